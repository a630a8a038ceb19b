// The time of one toggle or one normaliser, as the handler itself takes it on the
// offscreen window: the user's part (mouse, focus change) is left out.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <clocale>

#include "application.h"
#include "fields.h"
#include "frm_lumetra.h"

namespace {

using lumetra::CheckBox;
using lumetra::TextField;
using lumetra::ui::FrmLumetra;

class SilentMessages : public lumetra::Messages {
public:
    void showMessage(const std::string&) override {}
};

// One click on a direction box: a whole layout change with its nested handlers.
void BM_DirectionToggle(benchmark::State& state)
{
    SilentMessages messages;
    FrmLumetra window(&messages);
    auto* box = window.findChild<QCheckBox*>(QStringLiteral("chkArmadillo2Max"));
    for (auto _ : state)
        box->click();
}
BENCHMARK(BM_DirectionToggle)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_TrackTypeToggle(benchmark::State& state)
{
    SilentMessages messages;
    FrmLumetra window(&messages);
    auto* box = window.findChild<QCheckBox*>(QStringLiteral("chkNatSX"));
    for (auto _ : state)
        box->click();
}
BENCHMARK(BM_TrackTypeToggle)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_NormaliseDistance(benchmark::State& state)
{
    SilentMessages messages;
    FrmLumetra window(&messages);
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("txtDistance"));
    for (auto _ : state) {
        // Writing the untidy text is the user's part, not the handler's.
        state.PauseTiming();
        field->setText(QStringLiteral("1234.5678915"));
        state.ResumeTiming();
        window.field_LostFocus(TextField::txtDistance);
    }
}
BENCHMARK(BM_NormaliseDistance)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");
    lumetra::ui::setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
