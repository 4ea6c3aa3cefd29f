#include "ui/NextView.h"

#include "advice/GrowthPlan.h"
#include "advice/PaybackEdit.h"
#include "plan/InputRanges.h"
#include "plan/Plan.h"
#include "plan/QuestionTexts.h"
#include "report/PaybackWriter.h"
#include "ui/ItemNames.h"
#include "ui/MainForm.h"
#include "ui/PlanetInputs.h"
#include "ui/QueueCommands.h"
#include "ui/SearchWork.h"
#include "ui/WorkRunner.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace korvelin {

namespace {

const QString kRatioKey = QStringLiteral("tradeRatio");

QSettings Settings()
{
    return QSettings(QStringLiteral("Korvelin"), QStringLiteral("Korvelin"));
}

QString Number(int64_t value)
{
    return QString::number(value);
}

} // namespace

advice::TradeRatio LoadTradeRatio()
{
    const CheckedRatio checked = ReadTradeRatio(Settings().value(kRatioKey).toString().toStdString());
    return checked.error ? kDefaultTradeRatio : checked.ratio;
}

NextView::NextView(MainForm &form, QWidget *parent) : QWidget(parent), form_(form)
{
    auto *ratioLabel = new QLabel(QStringLiteral("Ratio"), this);
    RatioEdit = new QLineEdit(QString::fromStdString(TradeRatioText(LoadTradeRatio())), this);
    RatioEdit->setToolTip(QStringLiteral("Metal:crystal:deuterium, each part 1 to 1000"));
    RatioEdit->setMaximumWidth(110);
    ratioLabel->setBuddy(RatioEdit);
    AtLabel = new QLabel(this);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("<b>Next</b>"), this));
    top->addWidget(AtLabel, 1);
    top->addWidget(ratioLabel);
    top->addWidget(RatioEdit);

    const QStringList titles = {QStringLiteral("Item"),   QStringLiteral("Level"),   QStringLiteral("With"),
                                QStringLiteral("Metal"),  QStringLiteral("Crystal"), QStringLiteral("Deuterium"),
                                QStringLiteral("Gain M"), QStringLiteral("Gain K"),  QStringLiteral("Gain D"),
                                QStringLiteral("Payback")};
    RankingTable = new QTableWidget(0, static_cast<int>(titles.size()), this);
    RankingTable->setHorizontalHeaderLabels(titles);
    RankingTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    RankingTable->setSelectionMode(QAbstractItemView::SingleSelection);
    RankingTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RankingTable->verticalHeader()->hide();
    RankingTable->verticalHeader()->setDefaultSectionSize(RankingTable->fontMetrics().height() + 6);
    RankingTable->setWordWrap(false);

    AddButton = new QPushButton(QStringLiteral("Add"), this);
    AddButton->setToolTip(QStringLiteral("Put the chosen row's upgrades after the line the ranking is for"));
    GrowButton = new QPushButton(QStringLiteral("Grow\u2026"), this);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(GrowButton);
    bottom->addWidget(AddButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(RankingTable, 1);
    layout->addLayout(bottom);

    connect(RatioEdit, &QLineEdit::editingFinished, this, &NextView::TakeRatio);
    connect(AddButton, &QPushButton::clicked, this, &NextView::AddSelected);
    connect(RankingTable, &QTableWidget::itemSelectionChanged, this,
            [this] { AddButton->setEnabled(!RankingTable->selectionModel()->selectedRows().isEmpty()); });
    connect(RankingTable, &QTableWidget::cellDoubleClicked, this, &NextView::AddSelected);
    connect(GrowButton, &QPushButton::clicked, this, [this] { GrowPlan(form_); });
    AddButton->setEnabled(false);
}

void NextView::TakeRatio()
{
    const CheckedRatio checked = ReadTradeRatio(RatioEdit->text().trimmed().toStdString());
    if (checked.error) {
        // The last good ratio stays; the message says why.
        RatioEdit->setText(QString::fromStdString(TradeRatioText(LoadTradeRatio())));
        form_.platform.ShowMessage(*checked.error);
        return;
    }
    RatioEdit->setText(QString::fromStdString(TradeRatioText(checked.ratio)));
    if (checked.ratio == LoadTradeRatio())
        return;
    Settings().setValue(kRatioKey, RatioEdit->text());
    ShowAt(position_);
}

void NextView::ShowAt(int32_t position)
{
    const BuildQueue &queue = form_.queue;
    position_ = std::clamp(position, 0, queue.Count());
    AtLabel->setText(position_ == queue.Count() ? QStringLiteral("after the whole plan")
                                                : QStringLiteral("after line %1").arg(position_));
    rows_ = advice::RankPaybacks(queue, position_, CurrentPlanet(form_).inputs, LoadTradeRatio());
    RankingTable->setRowCount(static_cast<int>(rows_.size()));
    for (size_t i = 0; i < rows_.size(); ++i) {
        const advice::PaybackRow &row = rows_[i];
        const QStringList cells = {ItemName(row.bid, form_.englishItemNames),
                                   Number(row.level),
                                   row.solarLevels == 0
                                       ? QString()
                                       : ItemName(bid::kSolarPlant, form_.englishItemNames) + QLatin1Char(' ') +
                                             QString::fromStdString(report::PaybackWithLevels(row)),
                                   Number(row.price[0]),
                                   Number(row.price[1]),
                                   Number(row.price[2]),
                                   Number(row.gain[0]),
                                   Number(row.gain[1]),
                                   Number(row.gain[2]),
                                   QString::fromStdString(report::PaybackDuration(row))};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c != 0 && c != 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            RankingTable->setItem(static_cast<int>(i), c, item);
        }
    }
    RankingTable->resizeColumnsToContents();
    AddButton->setEnabled(!RankingTable->selectionModel()->selectedRows().isEmpty());
}

void NextView::AddSelected()
{
    const QModelIndexList selected = RankingTable->selectionModel()->selectedRows();
    if (selected.isEmpty() || static_cast<size_t>(selected.front().row()) >= rows_.size())
        return;
    const advice::PaybackRow &row = rows_[static_cast<size_t>(selected.front().row())];
    std::vector<LoadedEntry> entries;
    for (const QueueEntry &entry : advice::EntriesWithRow(form_.queue, position_, row))
        entries.push_back({entry.bid, entry.level});
    form_.document.ReplacePlan(entries, std::nullopt, QString::fromStdString(advice::AddRowDescription(row)));
    PlayAll(form_);
}

void GrowPlan(MainForm &form, const OptimizeOptions &options)
{
    NumbersRequest request;
    request.title = QStringLiteral("Grow");
    request.fields = {{QString(),
                       QStringLiteral("Days the whole plan may take"),
                       7,
                       kGrowDaysRange.minimum,
                       kGrowDaysRange.maximum,
                       {}}};
    request.acceptText = QStringLiteral("Grow");
    const std::optional<std::vector<int64_t>> answer = form.platform.AskNumbers(request);
    if (!answer || answer->empty())
        return;
    const int64_t days = std::clamp(answer->front(), kGrowDaysRange.minimum, kGrowDaysRange.maximum);
    const Planet planet = CurrentPlanet(form);
    SearchWork<advice::GrowthResult> work(QString::fromStdString(SearchingText(SearchKind::Grow)),
                                          [queue = form.queue, planet, days, ratio = LoadTradeRatio(),
                                           options](const OptimizeProgressCallback &progress) {
                                              return advice::PlanGrowth(queue, planet, days * 86'400, ratio, options,
                                                                        progress);
                                          });
    if (!RunWork(form, QStringLiteral("Grow"), work))
        return;
    const advice::GrowthResult result = work.TakeResult();
    if (const std::string refusal = advice::GrowthRefusal(result, days); !refusal.empty()) {
        form.platform.ShowMessage(refusal);
        return;
    }
    QuestionRequest question;
    question.text = QString::fromStdString(advice::GrowthQuestion(result, planet, days));
    question.buttons = {Answer::Yes, Answer::No};
    question.defaultAnswer = Answer::Yes;
    question.escapeAnswer = Answer::No;
    if (form.platform.AskQuestion(question) != Answer::Yes)
        return;
    std::vector<LoadedEntry> entries;
    for (const QueueEntry &entry : result.plan)
        entries.push_back({entry.bid, entry.level});
    form.document.ReplacePlan(
        entries, std::nullopt,
        QString::fromUtf8(kGrowPlanDescription.data(), static_cast<qsizetype>(kGrowPlanDescription.size())));
    PlayAll(form);
}

} // namespace korvelin
