// The panel's 26 texts as shipped in texts/: readable, in step with the program's source, and
// with worked figures that agree with the calculation.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/panel_text.h"
#include "ui/panel_text_file.h"
#include "wage/number_text.h"
#include "wage/wage_calculator.h"

namespace {

const std::string Texts = PANEL_TEXTS_DIR;
const std::string Sources = PROJECT_SOURCE_DIR;
constexpr std::string_view Mark = "\xEF\xBB\xBF";

std::string ReadFile(const std::string& path) { return ui::ReadPanelTextFile(path); }

// Without its mark and with LF line ends, so that only the content is compared.
std::string Normalised(std::string text) {
    if (text.starts_with(Mark)) text.erase(0, Mark.size());
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            result += text[i];
        }
    }
    if (!result.empty() && result.back() != '\n') result += '\n';
    return result;
}

// Whether `excerpt` stands in `source` as a run of whole lines.
bool IsWholeLineExcerpt(const std::string& excerpt, const std::string& source) {
    for (std::size_t at = source.find(excerpt); at != std::string::npos;
         at = source.find(excerpt, at + 1)) {
        if (at == 0 || source[at - 1] == '\n') return true;
    }
    return false;
}

struct Figure {
    const char* explanation;
    const char* fragment;
    const char* source;  // where the fragment comes from
};

// The explanation and fragment files of the twelve clickable figures, in click-table order: the
// eleven result fields in the order of the calculation, then the chart.
constexpr Figure Figures[] = {
    {"SHM.txt", "SHM_P.txt", "wage/wage_calculator.cpp"},
    {"ZD.txt", "ZD_P.txt", "wage/wage_calculator.cpp"},
    {"DBS.txt", "DBS_P.txt", "wage/wage_calculator.cpp"},
    {"DSS.txt", "DSS_P.txt", "wage/wage_calculator.cpp"},
    {"SP.txt", "SP_P.txt", "wage/wage_calculator.cpp"},
    {"ZP.txt", "ZP_P.txt", "wage/wage_calculator.cpp"},
    {"CM.txt", "CM_P.txt", "wage/wage_calculator.cpp"},
    {"SPZ.txt", "SPZ_P.txt", "wage/wage_calculator.cpp"},
    {"ZPZ.txt", "ZPZ_P.txt", "wage/wage_calculator.cpp"},
    {"NZ.txt", "NZ_P.txt", "wage/wage_calculator.cpp"},
    {"OS.txt", "OS_P.txt", "wage/wage_calculator.cpp"},
    {"GR.txt", "GR_P.txt", "ui/wage_chart_refill.cpp"},
};

TEST(PanelTexts, EveryFileIsMarkedUtf8WithText) {
    std::vector<std::string> names = {"uvod.txt", "CP.txt"};
    for (const Figure& figure : Figures) {
        names.push_back(figure.explanation);
        names.push_back(figure.fragment);
    }
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFile(Texts + "/" + name);
        // Without the mark the panel would read the file as Windows-1250.
        EXPECT_TRUE(bytes.starts_with(Mark));
        // An ill-formed byte would empty the panel.
        EXPECT_FALSE(ui::DecodePanelText(bytes).empty());
    }
}

TEST(PanelTexts, WholeProgramIsTheCalculationCore) {
    EXPECT_EQ(Normalised(ReadFile(Texts + "/CP.txt")),
              Normalised(ReadFile(Sources + "/wage/wage_calculator.cpp")))
        << "run scripts/update-panel-texts";
}

TEST(PanelTexts, FragmentsAreVerbatimExcerptsOfTheSource) {
    for (const Figure& figure : Figures) {
        SCOPED_TRACE(figure.fragment);
        const std::string fragment = Normalised(ReadFile(Texts + "/" + figure.fragment));
        const std::string source = Normalised(ReadFile(Sources + "/" + figure.source));
        EXPECT_NE(fragment.find_first_not_of(" \n"), std::string::npos);
        EXPECT_TRUE(IsWholeLineExcerpt(fragment, source)) << "run scripts/update-panel-texts";
    }
}

// Each explanation ends its worked example with the figure as the window shows it.
TEST(PanelTexts, ExplanationsGiveTheFiguresOfTheDefaultInputs) {
    wage::SetExtendedPrecision();
    const wage::WageBreakdown breakdown =
        wage::CalculateWage({10000, 1, 1117, false}, [](wage::WageFigure, double) {});
    for (int i = 0; i < wage::WageFigureCount; ++i) {
        const Figure& figure = Figures[i];
        SCOPED_TRACE(figure.explanation);
        const double value = wage::FigureValue(breakdown, static_cast<wage::WageFigure>(i));
        const std::u16string expected =
            u"Výsledek pro výchozí zadání: " + wage::FormatReal(value, u',') + u" Kč.";
        const std::u16string text = ui::DecodePanelText(ReadFile(Texts + "/" + figure.explanation));
        EXPECT_NE(text.find(expected), std::u16string::npos) << wage::ToUtf8(expected);
    }
}

TEST(IsWholeLineExcerpt, NeedsWholeLines) {
    const std::string source = "int a;\n    int bc;\nint d;\n";
    EXPECT_TRUE(IsWholeLineExcerpt("    int bc;\nint d;\n", source));
    EXPECT_FALSE(IsWholeLineExcerpt("int bc;\n", source));
    EXPECT_FALSE(IsWholeLineExcerpt("int a;\nint d;\n", source));
}

}  // namespace
