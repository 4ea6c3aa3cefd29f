#include "ui/PlanTableWindow.h"

#include "report/ReportWriter.h"
#include "rules/ItemCatalogue.h"
#include "ui/ItemNames.h"
#include "ui/MainForm.h"
#include "ui/NextView.h"
#include "ui/PlanTableModel.h"
#include "ui/PlanetInputs.h"
#include "ui/QueueFileIO.h"
#include "ui/RecentFolder.h"
#include "ui/TimelineSeries.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <sstream>

namespace korvelin {

PlanTableWindow::PlanTableWindow(MainForm &form) : QWidget(form.window.get(), Qt::Window), form_(form)
{
    setWindowTitle(QStringLiteral("Korvelin \u2013 Plan table"));
    setWindowIcon(form.window->windowIcon());
    resize(1100, 600);
    setMinimumSize(480, 240);
    BuildControls();
    FollowPlan();
    FollowSelection();
}

void PlanTableWindow::BuildControls()
{
    auto *startsAtLabel = new QLabel(QStringLiteral("Starts at"), this);
    StartsAtEdit = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    StartsAtEdit->setCalendarPopup(true);
    startsAtLabel->setBuddy(StartsAtEdit);
    EnglishNamesCheck = new QCheckBox(QStringLiteral("English item names"), this);
    EnglishNamesCheck->setChecked(form_.englishItemNames);
    auto *top = new QHBoxLayout;
    top->addWidget(startsAtLabel);
    top->addWidget(StartsAtEdit);
    top->addStretch(1);
    top->addWidget(EnglishNamesCheck);

    Model = new PlanTableModel(this);
    Model->SetEnglishNames(form_.englishItemNames);
    Model->SetStartsAt(StartsAtEdit->dateTime());
    TableView = new QTableView(this);
    TableView->setModel(Model);
    TableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableView->setSelectionMode(QAbstractItemView::SingleSelection);
    TableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableView->setWordWrap(false);
    TableView->setAlternatingRowColors(true);
    TableView->verticalHeader()->hide();
    // Fixed row heights: the view never measures thousands of rows.
    TableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TableView->verticalHeader()->setDefaultSectionSize(TableView->fontMetrics().height() + 6);
    TableView->horizontalHeader()->setHighlightSections(false);

    SummaryLabel = new QLabel(this);
    SummaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SaveCsvButton = new QPushButton(QStringLiteral("Save CSV\u2026"), this);
    SaveCsvButton->setToolTip(QStringLiteral("Ctrl+S"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(SummaryLabel, 1);
    bottom->addWidget(SaveCsvButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    Next = new NextView(form_, this);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(TableView);
    splitter->addWidget(Next);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);

    connect(StartsAtEdit, &QDateTimeEdit::dateTimeChanged, Model, &PlanTableModel::SetStartsAt);
    connect(EnglishNamesCheck, &QCheckBox::toggled, this, [this](bool on) { SetEnglishItemNames(form_, on); });
    connect(SaveCsvButton, &QPushButton::clicked, this, &PlanTableWindow::SaveCsv);
    auto *save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &PlanTableWindow::SaveCsv);
}

void PlanTableWindow::FollowPlan()
{
    connect(&form_.document, &PlanDocument::Changed, this, &PlanTableWindow::ScheduleUpdate);
    for (Edit *input : {form_.MaxTemperatureEdit, form_.SatelliteCountEdit})
        connect(input, &QLineEdit::textChanged, this, &PlanTableWindow::ScheduleUpdate);
}

void PlanTableWindow::FollowSelection()
{
    connect(TableView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    ShowNext();
                if (selecting_ || !current.isValid())
                    return;
                selecting_ = true;
                // As a click on the line does.
                form_.QueueList->clearSelection();
                form_.QueueList->SetSelected(current.row(), true);
                selecting_ = false;
            });
    connect(form_.QueueList, &QListWidget::itemSelectionChanged, this, &PlanTableWindow::SelectRowOfCurrentLine);
    connect(form_.QueueList, &QListWidget::currentRowChanged, this, &PlanTableWindow::SelectRowOfCurrentLine);
}

void PlanTableWindow::SelectRowOfCurrentLine()
{
    if (selecting_ || !isVisible())
        return;
    const int line = form_.QueueList->CurrentIndex();
    if (line < 0 || line >= Model->rowCount())
        return; // the rows follow on the next update
    const QModelIndex row = Model->index(line, 0);
    if (TableView->selectionModel()->currentIndex().row() == line && TableView->selectionModel()->isRowSelected(line))
        return;
    selecting_ = true;
    TableView->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    TableView->scrollTo(row);
    selecting_ = false;
}

void PlanTableWindow::Update()
{
    updatePending_ = false;
    stale_ = false;
    selecting_ = true; // the reset drops the selection; the list keeps its own
    const Planet planet = CurrentPlanet(form_);
    Model->SetRows(WalkForChart(form_.queue, planet), form_.queue, planet);
    selecting_ = false;
    SummaryLabel->setText(QString::fromStdString(report::SummaryText(Model->Summary())));
    // Later, only wider: a longer plan's figures need room, and the user's
    // own widths stay otherwise.
    FitColumns(columnsFitted_);
    SelectRowOfCurrentLine();
    ShowNext();
    emit Updated();
}

void PlanTableWindow::ShowNext()
{
    const QModelIndex current = TableView->selectionModel()->currentIndex();
    Next->ShowAt(current.isValid() ? current.row() + 1 : form_.queue.Count());
}

void PlanTableWindow::ScheduleUpdate()
{
    if (!isVisible()) {
        stale_ = true;
        return;
    }
    if (updatePending_)
        return;
    updatePending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (updatePending_)
            Update();
    });
}

void PlanTableWindow::FitColumns(bool widenOnly)
{
    if (Model->rowCount() == 0)
        return;
    columnsFitted_ = true;
    const QFontMetrics metrics(TableView->font());
    const QFontMetrics headerMetrics(TableView->horizontalHeader()->font());
    const int padding = 2 * TableView->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, TableView) + 12;
    int total = 0;
    for (int column = 0; column < PlanTableModel::ColumnCount; ++column) {
        int width = headerMetrics.horizontalAdvance(Model->headerData(column, Qt::Horizontal).toString()) + 16;
        const auto fit = [&](const QString &text) {
            width = std::max(width, metrics.horizontalAdvance(text) + padding);
        };
        if (const auto extremes = Model->ExtremeRows(column)) {
            // Every row's text fits without measuring every row.
            fit(Model->index(extremes->first, column).data().toString());
            fit(Model->index(extremes->second, column).data().toString());
        } else if (column == PlanTableModel::ItemColumn) {
            for (int32_t item = 1; item <= kItemCount; ++item)
                fit(ItemName(BidAt(item), form_.englishItemNames));
        } else if (column == PlanTableModel::SetByColumn) {
            fit(QStringLiteral("deuterium"));
        } else {
            // A date late in every month, in the user's locale.
            const QTime late(23, 58, 58);
            for (int month = 1; month <= 12; ++month)
                fit(QLocale().toString(QDateTime(QDate(2088, month, 28), late), QLocale::ShortFormat));
        }
        if (column == PlanTableModel::LineColumn)
            width += TableView->iconSize().isValid() ? TableView->iconSize().width() : 16;
        if (widenOnly)
            width = std::max(width, TableView->columnWidth(column));
        TableView->setColumnWidth(column, width);
        total += width;
    }
    if (!sized_) {
        // The first opening shows every column where the screen allows.
        sized_ = true;
        const int frame = width() - TableView->viewport()->width();
        const int wanted = total + frame + TableView->verticalScrollBar()->sizeHint().width();
        const int room = screen() ? screen()->availableGeometry().width() * 9 / 10 : wanted;
        resize(std::max(width(), std::min(wanted, room)), height());
    }
}

void PlanTableWindow::ShowEnglishNames(bool english)
{
    {
        const QSignalBlocker blocker(EnglishNamesCheck);
        EnglishNamesCheck->setChecked(english);
    }
    Model->SetEnglishNames(english);
    FitColumns(false);
    ShowNext();
}

void PlanTableWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (stale_)
        Update();
}

void PlanTableWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Closed rather than minimised: the next opening measures the columns anew.
    if (!event->spontaneous()) {
        stale_ = true;
        columnsFitted_ = false;
    }
}

void PlanTableWindow::SaveCsv()
{
    // What the plan is now, not what the last pass of the event loop saw.
    if (updatePending_ || stale_)
        Update();
    FileDialogRequest request;
    request.title = QStringLiteral("Save Plan Table");
    request.initialFolder = InitialDialogFolder();
    request.fileName = lastCsvPath_.isEmpty() ? QStringLiteral("plan.csv") : lastCsvPath_;
    request.filter = QStringLiteral("CSV files (*.csv)");
    request.save = true;
    const std::optional<QString> path = form_.platform.ShowFileDialog(request);
    if (!path)
        return;
    lastCsvPath_ = *path;
    std::ostringstream text;
    report::WriteCsv(text, Model->Rows());
    if (const auto error = WriteFileAtomically(*path, text.str()))
        form_.platform.ShowErrorBox(QStringLiteral("The table could not be saved to ") +
                                    QDir::toNativeSeparators(*path) + QStringLiteral(":\n") +
                                    QString::fromStdString(error->text));
}

void ShowPlanTable(MainForm &form)
{
    if (!form.TableWindow)
        form.TableWindow = new PlanTableWindow(form);
    PlanTableWindow &table = *form.TableWindow;
    table.setWindowState(table.windowState() & ~Qt::WindowMinimized);
    table.show(); // updates when it was closed
    table.raise();
    table.activateWindow();
}

} // namespace korvelin
