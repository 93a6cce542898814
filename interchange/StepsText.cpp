// The steps of a minimization as parseable lines, plain sentences and an HTML section.
#include "interchange/StepsText.h"

#include "support/TextUtil.h"

#include <algorithm>

namespace {

std::string joined(const std::vector<int>& cells, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i)
        text += (i ? separator : "") + std::to_string(cells[i]);
    return text;
}

const StepsTerm& primeOf(const Steps& steps, int prime) {
    return steps.primes[static_cast<std::size_t>(prime)];
}

std::string minimumLine(const Steps& steps) {
    const std::string n = std::to_string(steps.minimumTerms);
    switch (steps.minimum) {
    case MinimumKind::Yes:
        return "MINIMUM yes";
    case MinimumKind::No:
        return "MINIMUM no " + n;
    case MinimumKind::AtMost:
        return "MINIMUM no at most " + n;
    case MinimumKind::Unknown:
        break;
    }
    return "MINIMUM unknown";
}

/// Builds the items of one steps value in order.
class Teller {
public:
    Teller(const Steps& steps, const StepsPhrases& phrases) : m_steps(steps), m_phrases(phrases) {}

    std::vector<StepItem> Tell() {
        TellPrimes();
        TellEssentials();
        TellChart();
        TellReductions();
        TellChoices();
        TellResult();
        return std::move(m_items);
    }

private:
    void Add(StepsSection section, std::string text, std::vector<int> cells = {},
             std::vector<int> marked = {}) {
        m_items.push_back({section, std::move(text), std::move(cells), std::move(marked)});
    }
    [[nodiscard]] const StepsTerm& Prime(int p) const { return primeOf(m_steps, p); }
    [[nodiscard]] static std::string Cells(const std::vector<int>& cells) {
        return joined(cells, ", ");
    }

    void TellPrimes() {
        if (m_steps.primes.empty())
            Add(StepsSection::Primes, m_phrases.noPrime);
        for (const StepsTerm& prime : m_steps.primes)
            Add(StepsSection::Primes,
                fillPhrase(m_phrases.prime, prime.text, Cells(prime.minterms)), prime.minterms);
    }

    void TellEssentials() {
        if (m_steps.essentials.empty() && !m_steps.primes.empty())
            Add(StepsSection::Essentials, m_phrases.noEssential);
        for (const EssentialStep& e : m_steps.essentials)
            Add(StepsSection::Essentials,
                fillPhrase(m_phrases.essential, Prime(e.prime).text, Cells(e.cells)),
                Prime(e.prime).minterms, e.cells);
        for (int p : m_steps.unusedEssentials)
            Add(StepsSection::Essentials, fillPhrase(m_phrases.unusedEssential, Prime(p).text),
                Prime(p).minterms);
    }

    void TellChart() {
        if (m_steps.chartRows.empty()) {
            Add(StepsSection::Chart, m_phrases.chartEmpty);
            return;
        }
        Add(StepsSection::Chart,
            fillPhrase(m_phrases.chart, std::to_string(m_steps.chartRows.size()),
                       std::to_string(m_steps.chartColumns.size())),
            m_steps.chartRows);
        for (int row : m_steps.chartRows) {
            std::vector<std::string> terms;
            std::vector<int> cells;
            for (int p : chartColumnsOf(m_steps, row)) {
                terms.push_back(Prime(p).text);
                cells.insert(cells.end(), Prime(p).minterms.begin(), Prime(p).minterms.end());
            }
            std::sort(cells.begin(), cells.end());
            cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
            Add(StepsSection::Chart,
                fillPhrase(m_phrases.chartRow, std::to_string(row), join(terms, ", ")), cells,
                {row});
        }
    }

    void TellReductions() {
        if (m_steps.chartRows.empty())
            return;
        if (m_steps.reductions.empty())
            Add(StepsSection::Reductions, m_phrases.noReduction);
        for (const ReductionStep& r : m_steps.reductions)
            TellReduction(r);
        Add(StepsSection::Reductions,
            fillPhrase(m_phrases.reduced, std::to_string(m_steps.reducedRows.size()),
                       std::to_string(m_steps.reducedColumns.size())),
            m_steps.reducedRows);
    }

    void TellReduction(const ReductionStep& r) {
        if (r.kind == ReductionStep::Row) {
            Add(StepsSection::Reductions,
                fillPhrase(m_phrases.rowReduction, std::to_string(r.removed), std::to_string(r.by)),
                {r.by}, {r.removed});
            return;
        }
        const StepsTerm& dropped = Prime(r.removed);
        if (r.by < 0) {
            Add(StepsSection::Reductions, fillPhrase(m_phrases.emptyColumn, dropped.text),
                dropped.minterms);
            return;
        }
        Add(StepsSection::Reductions,
            fillPhrase(m_phrases.columnReduction, dropped.text, Prime(r.by).text),
            Prime(r.by).minterms, dropped.minterms);
    }

    [[nodiscard]] const std::string& ChosenPhrase() const {
        switch (m_steps.source) {
        case StepsSource::Exact:
            return m_phrases.chosenExact;
        case StepsSource::Gluing:
            return m_phrases.chosenGluing;
        case StepsSource::Shown:
            break;
        }
        return m_phrases.chosenShown;
    }

    void TellChoices() {
        if (m_steps.choices.empty())
            Add(StepsSection::Choices, m_phrases.noChoice);
        for (const ChoiceStep& c : m_steps.choices) {
            std::string text;
            std::vector<int> marked;
            if (c.reason == ChoiceReason::Forced) {
                text = fillPhrase(m_phrases.forced, c.term.text, std::to_string(c.cell));
                marked = {c.cell};
            } else {
                text = fillPhrase(c.reason == ChoiceReason::NotPrime ? m_phrases.notPrime
                                                                     : ChosenPhrase(),
                                  c.term.text);
            }
            Add(StepsSection::Choices, std::move(text), c.term.minterms, std::move(marked));
        }
    }

    void TellResult() {
        std::vector<int> cells;
        for (const StepsTerm& term : m_steps.result)
            cells.insert(cells.end(), term.minterms.begin(), term.minterms.end());
        std::sort(cells.begin(), cells.end());
        cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
        Add(StepsSection::Result, fillPhrase(m_phrases.result, m_steps.resultText), cells);
        const std::string n = std::to_string(m_steps.minimumTerms);
        switch (m_steps.minimum) {
        case MinimumKind::Yes:
            Add(StepsSection::Result, fillPhrase(m_phrases.minimumYes, n));
            return;
        case MinimumKind::No:
            Add(StepsSection::Result, fillPhrase(m_phrases.minimumNo, n));
            return;
        case MinimumKind::AtMost:
            Add(StepsSection::Result, fillPhrase(m_phrases.minimumAtMost, n));
            return;
        case MinimumKind::Unknown:
            Add(StepsSection::Result, m_phrases.minimumUnknown);
            return;
        }
    }

    const Steps& m_steps;
    const StepsPhrases& m_phrases;
    std::vector<StepItem> m_items;
};

} // namespace

std::vector<std::string> stepsLines(const Steps& steps) {
    std::vector<std::string> lines;
    for (const StepsTerm& prime : steps.primes)
        lines.push_back("PRIME " + prime.text + " " + joined(prime.minterms, ","));
    for (const EssentialStep& e : steps.essentials)
        lines.push_back("ESSENTIAL " + primeOf(steps, e.prime).text + " " + joined(e.cells, ","));
    lines.push_back("CHART " + std::to_string(steps.chartRows.size()) + " " +
                    std::to_string(steps.chartColumns.size()));
    for (const ReductionStep& r : steps.reductions)
        lines.push_back(r.kind == ReductionStep::Row
                            ? "REDUCE ROW " + std::to_string(r.removed)
                            : "REDUCE COL " + primeOf(steps, r.removed).text);
    for (const ChoiceStep& c : steps.choices)
        lines.push_back("CHOOSE " + c.term.text);
    lines.push_back(steps.resultText.empty() ? "RESULT" : "RESULT " + steps.resultText);
    lines.push_back(minimumLine(steps));
    return lines;
}

std::string fillPhrase(const std::string& phrase, const std::string& first,
                       const std::string& second) {
    std::string text;
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        if (phrase[i] == '%' && i + 1 < phrase.size() &&
            (phrase[i + 1] == '1' || phrase[i + 1] == '2')) {
            text += phrase[i + 1] == '1' ? first : second;
            ++i;
            continue;
        }
        text += phrase[i];
    }
    return text;
}

const std::string& sectionHeading(const StepsPhrases& phrases, StepsSection section) {
    switch (section) {
    case StepsSection::Primes:
        return phrases.primesHeading;
    case StepsSection::Essentials:
        return phrases.essentialsHeading;
    case StepsSection::Chart:
        return phrases.chartHeading;
    case StepsSection::Reductions:
        return phrases.reductionsHeading;
    case StepsSection::Choices:
        return phrases.choicesHeading;
    case StepsSection::Result:
        break;
    }
    return phrases.resultHeading;
}

std::vector<StepItem> stepItems(const Steps& steps, const StepsPhrases& phrases) {
    return Teller(steps, phrases).Tell();
}

std::string stepsHtml(const Steps& steps, const StepsPhrases& phrases) {
    const std::vector<StepItem> items = stepItems(steps, phrases);
    std::string html = "<table align=\"center\" width=\"100%\" border=\"1\">";
    for (std::size_t i = 0; i < items.size(); ++i) {
        const bool first = i == 0 || items[i - 1].section != items[i].section;
        const bool last = i + 1 == items.size() || items[i + 1].section != items[i].section;
        if (first)
            html +=
                "\n<tr><td>" + escapeHtml(sectionHeading(phrases, items[i].section)) + "</td><td>";
        html += "<p>" + escapeHtml(items[i].text) + "</p>";
        if (last)
            html += "</td></tr>";
    }
    return html + "\n</table>";
}
