#include "AnswerWait.h"
#include "ScenarioBuilder.h"

#include "data/ttservice/CVornRcTemplate.h"
#include "siblings/CProductRelateRCTemplateWidget.h"

#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPainter>

#include <boost/make_shared.hpp>

#include <benchmark/benchmark.h>

namespace {

// A server with that many accounts and an account template applied to none of them.
boost::shared_ptr<ttservice::CVornRcTemplate> installAccounts(int accounts)
{
    kit::ScenarioBuilder()
        .now(QDateTime(QDate(2026, 12, 5), QTime(10, 30)))
        .server("s1", 1)
        .population({accounts, 0, 0, 3, {}})
        .install();
    auto rcTemplate = boost::make_shared<ttservice::CVornRcTemplate>();
    rcTemplate->templateId = 1;
    rcTemplate->templateName = "bench";
    rcTemplate->targetKind = ttservice::RC_TARGET_ACCOUNT;
    rcTemplate->setSystemTag(1);
    return rcTemplate;
}

// Choosing a template in the relation panel: the relations and every account of the server read
// and both lists filled (the server's copying of the accounts included).
void BM_RelatePanelLoad(benchmark::State& state)
{
    const auto rcTemplate = installAccounts(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Ocv::CProductRelateRCTemplateWidget panel(Ocv::eRelateRcApply, nullptr, nullptr);
        panel.resize(850, 600);
        panel.show();
        panel.setTemplateData(rcTemplate);
        if (!kit::waitForAnswers(60000) || panel.availableCount() != state.range(0))
            state.SkipWithError("the accounts did not arrive");
    }
}
BENCHMARK(BM_RelatePanelLoad)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One keystroke in the filter of the available accounts, with the list painted after it.
void BM_RelateAvailableFilter(benchmark::State& state)
{
    const auto rcTemplate = installAccounts(static_cast<int>(state.range(0)));
    Ocv::CProductRelateRCTemplateWidget panel(Ocv::eRelateRcApply, rcTemplate, nullptr);
    panel.resize(850, 600);
    panel.show();
    if (!kit::waitForAnswers(60000))
        state.SkipWithError("the accounts did not arrive");
    auto* filter = panel.findChild<QLineEdit*>("rc_template_relate_available_filter");
    auto* view = panel.findChild<QListView*>("rc_template_relate_available");
    QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
    int round = 0;
    for (auto _ : state) {
        filter->setText(++round % 2 ? QStringLiteral("10012") : QString());
        QPainter painter(&image);
        view->render(&painter);
    }
}
BENCHMARK(BM_RelateAvailableFilter)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
