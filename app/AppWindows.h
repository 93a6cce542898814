// AppWindows: the program's nine windows, reachable from one place.
#pragma once

class TForm1;
class TInputForm;
class TOptions;
class TAboutBox;
class TInputFormula;
class TTruthTableForm;
class THelp;
class TReport;
class TRepView;

/// The nine windows, reachable from one place.
struct AppWindows {
    TForm1* Form1 = nullptr;
    TInputForm* InputForm = nullptr;
    TOptions* Options = nullptr;
    TAboutBox* AboutBox = nullptr;
    TInputFormula* InputFormula = nullptr;
    TTruthTableForm* TruthTableForm = nullptr;
    THelp* Help = nullptr;
    TReport* Report = nullptr;
    TRepView* RepView = nullptr;
};
