// The program's pictures, painted in code so that they stay sharp at every scale.
#pragma once

#include <QIcon>

/// Pictures of the tool buttons.
enum class ToolGlyph { Open, Save, Formula, Sets, TruthTable, Star, Clear, Options };

[[nodiscard]] QIcon toolIcon(ToolGlyph glyph);

/// Entry `index` of the result tree's image list: 0 the whole result, 1 a term.
[[nodiscard]] QIcon resultImage(int index);

/// The program's window icon: a small Karnaugh map.
[[nodiscard]] QIcon programIcon();
