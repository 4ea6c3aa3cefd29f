#include "ui/EditorActions.h"
#include "ui/FileCommands.h"
#include "ui/FormBuilders.h"
#include "ui/GoalCommand.h"
#include "ui/ItemNames.h"
#include "ui/Maker.h"
#include "ui/OptimizeCommand.h"
#include "ui/PanelCommands.h"
#include "ui/PlanTableWindow.h"
#include "ui/PlanViews.h"
#include "ui/PlanetCommands.h"
#include "ui/QueueCommands.h"
#include "ui/QueueContextMenu.h"
#include "ui/StartupState.h"
#include "ui/TimelineChartWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QScrollArea>

// Resources compiled into a static library are registered only on request.
static void RegisterResources()
{
    Q_INIT_RESOURCE(korvelin);
}

namespace korvelin {

namespace {

struct SummaryColumn {
    int captionX;
    int valueX;
    int valueWidth;
};

void BuildSummaryBlock(MainForm &form)
{
    static constexpr SummaryColumn columns[] = {{432, 448, 80}, {529, 544, 80}, {624, 639, 73}, {720, 735, 58}};
    static constexpr int rowTops[] = {13, 29, 45};
    static constexpr const char *captions[3][4] = {{"M", "K", "D", "E"}, {"M", "K", "D", "F"}, {"M", "K", "D", "E"}};
    static constexpr const char *initialTexts[3][4] = {
        {"500", "500", "0", "0"}, {"500", "500", "0", "0"}, {"20", "10", "0", "0"}};
    Label **values[3][4] = {
        {&form.StockMetalLabel, &form.StockCrystalLabel, &form.StockDeuteriumLabel, &form.EnergyBalanceLabel},
        {&form.CapacityMetalLabel, &form.CapacityCrystalLabel, &form.CapacityDeuteriumLabel,
         &form.ProductionFactorLabel},
        {&form.ProductionMetalLabel, &form.ProductionCrystalLabel, &form.ProductionDeuteriumLabel,
         &form.EnergyProductionLabel},
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const SummaryColumn &at = columns[column];
            MakeLabel(form.MainGroup, captions[row][column], at.captionX, rowTops[row], 14, 15);
            Label *value =
                MakeLabel(form.MainGroup, initialTexts[row][column], at.valueX, rowTops[row], at.valueWidth, 15);
            SetTextColor(*value, Qt::black);
            *values[row][column] = value;
        }
    }
}

class FramelessScrollArea : public QScrollArea {
  public:
    explicit FramelessScrollArea(QWidget *parent) : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        // Lays the viewport out now, without the frame, rather than at the
        // first show, so what it holds stands at its bounds from the start.
        setViewportMargins(0, 0, 0, 0);
    }
};

void BuildTopControls(MainForm &form)
{
    QWidget *window = form.window.get();
    form.LanguageLabel = MakeLabel(window, "Language:", 608, 10, 81, 17);
    form.LanguageBox = new ComboBox(window);
    form.LanguageBox->setGeometry(696, 8, kDefaultComboWidth, 20);
    SetBackgroundColor(*form.LanguageBox, ResolveSystemColor(SystemColor::Window));
    form.AboutTab = MakeGradientButton(window, "About", 456, 8, 145, 20);
    form.BuildTab = MakeGradientButton(window, "Build", 8, 8, 137, 20);
    form.ResearchTab = MakeGradientButton(window, "Reseach", 152, 8, 145, 20);
    form.ResourceTab = MakeGradientButton(window, "Resurce", 304, 8, 145, 20);
}

void BuildMainGroup(MainForm &form)
{
    // The group keeps its fixed bounds; a window made smaller than them
    // scrolls it instead of cutting its controls off.
    auto *scrollArea = new FramelessScrollArea(form.window.get());
    scrollArea->move(2, 30);
    form.MainGroup = MakeGroup(scrollArea, "Build", 0, 0, 801, 500);
    scrollArea->setWidget(form.MainGroup);
    form.window->StretchToCorner(scrollArea);
    QWidget *group = form.MainGroup;
    BuildSummaryBlock(form);
    form.OpenButton = MakeGradientButton(group, "Open", 384, 16, 44, 41);
    form.QueueList = new ListBox(group);
    form.QueueList->setGeometry(8, 16, 281, 470);
    SetTextColor(*form.QueueList, QColor(0, 128, 0));
    SetBackgroundColor(*form.QueueList, ResolveSystemColor(SystemColor::ActiveBorder));
    form.UpButton = MakePushButton(group, "^", 296, 24, 33, 32);
    form.AboutPanel = MakeGroup(group, "About", 336, 56, 457, 437);
    form.AboutPanel->hide();
    BuildAboutPanel(form);
    form.SaveButton = MakeGradientButton(group, "Save", 336, 16, 43, 40);
    form.BuildingsPanel = MakeGroup(group, "Buildings", 336, 56, 457, 437);
    BuildItemPanel(form, form.BuildingsPanel, 0);
    form.ResearchPanel = MakeGroup(group, "Reseach", 336, 56, 457, 437);
    form.ResearchPanel->hide();
    BuildItemPanel(form, form.ResearchPanel, kItemRowsPerPanel);
    form.ResourcePanel = MakeGroup(group, "Resurce", 336, 56, 457, 437);
    BuildResourcePanel(form);
    form.CpButton = MakePushButton(group, "Cp", 296, 144, 33, 32);
    form.DelButton = MakePushButton(group, "Del", 296, 104, 33, 32);
    form.DownButton = MakePushButton(group, "_", 296, 64, 33, 32);
    for (QPushButton *button : {form.UpButton, form.DownButton, form.DelButton, form.CpButton})
        button->setEnabled(false);
    // Their texts are symbols and abbreviations; a screen reader says what they do.
    form.UpButton->setAccessibleName(QStringLiteral("Move up"));
    form.DownButton->setAccessibleName(QStringLiteral("Move down"));
    form.DelButton->setAccessibleName(QStringLiteral("Delete with later levels"));
    form.CpButton->setAccessibleName(QStringLiteral("Copy as text"));
}

template <class Control, class Signal>
void OnEvent(MainForm &form, Control *control, Signal signal, void (*handler)(MainForm &))
{
    QObject::connect(control, signal, control, [&form, handler] { handler(form); });
}

void WireEvents(MainForm &form)
{
    for (ItemRow &row : form.ItemRows) {
        PushButton *button = row.ItemButton;
        QObject::connect(button, &QPushButton::clicked, button, [&form, button] { AppendUpgrade(form, Tag(*button)); });
    }
    OnEvent(form, form.UpButton, &QPushButton::clicked, MoveCurrentUp);
    OnEvent(form, form.DownButton, &QPushButton::clicked, MoveCurrentDown);
    OnEvent(form, form.DelButton, &QPushButton::clicked, RemoveCurrentEntry);
    OnEvent(form, form.QueueList, &ListBox::DoubleClicked, PlayToLine);
    OnEvent(form, form.CalculateButton, &QPushButton::clicked, PlayAll);
    OnEvent(form, form.NextButton, &QPushButton::clicked, PlayNext);
    OnEvent(form, form.OpenButton, &QPushButton::clicked, OpenQueueFile);
    OnEvent(form, form.SaveButton, &QPushButton::clicked, SaveQueueFile);
    OnEvent(form, form.SaveByTimeButton, &QPushButton::clicked, SaveQueueFileByTime);
    OnEvent(form, form.OptimizeButton, &QPushButton::clicked, OptimizeQueue);
    OnEvent(form, form.ChartButton, &QPushButton::clicked, ShowTimelineChart);
    OnEvent(form, form.PlanetButton, &QPushButton::clicked, EditPlanet);
    OnEvent(form, form.TableButton, &QPushButton::clicked, ShowPlanTable);
    OnEvent(form, form.GoalButton, &QPushButton::clicked, PlanGoalFromDialog);
    OnEvent(form, form.CpButton, &QPushButton::clicked, CopyQueueText);
    OnEvent(form, form.BuildTab, &QPushButton::clicked, ShowBuildingsTab);
    OnEvent(form, form.ResearchTab, &QPushButton::clicked, ShowResearchTab);
    OnEvent(form, form.ResourceTab, &QPushButton::clicked, ShowResourceTab);
    OnEvent(form, form.AboutTab, &QPushButton::clicked, ShowAboutTab);
    OnEvent(form, form.SupportFleetCheck, &QCheckBox::clicked, ToggleSupportFleet);
    OnEvent(form, form.WebLabel, &Label::clicked, OpenWebPage);
    FollowPlan(form);
    InstallEditorActions(form);
    InstallQueueContextMenu(form);
}

// Every size the icon is drawn at (the desktop's hicolor icons are the same files),
// so the window manager never has to scale one.
QIcon WindowIcon()
{
    QIcon icon;
    for (const QFileInfo &file : QDir(QStringLiteral(":/MAINICON")).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    return icon;
}

} // namespace

namespace {

// Every control of the window sits at fixed bounds in its parent.
template <typename Control> Control *Place(QWidget *parent, const char *text, int x, int y, int width, int height)
{
    auto *control = new Control(parent, Utf8(text));
    control->setGeometry(x, y, width, height);
    return control;
}

} // namespace

Label *MakeLabel(QWidget *parent, const char *text, int x, int y, int width, int height)
{
    return Place<Label>(parent, text, x, y, width, height);
}

Edit *MakeEdit(QWidget *parent, const char *text, int x, int y, int width, int height)
{
    Edit *edit = Place<Edit>(parent, text, x, y, width, height);
    SetBackgroundColor(*edit, ResolveSystemColor(SystemColor::Window));
    return edit;
}

GroupBox *MakeGroup(QWidget *parent, const char *title, int x, int y, int width, int height)
{
    return Place<GroupBox>(parent, title, x, y, width, height);
}

GradientButton *MakeGradientButton(QWidget *parent, const char *text, int x, int y, int width, int height)
{
    return Place<GradientButton>(parent, text, x, y, width, height);
}

PushButton *MakePushButton(QWidget *parent, const char *text, int x, int y, int width, int height)
{
    return Place<PushButton>(parent, text, x, y, width, height);
}

ItemRow *FindItemRow(MainForm &form, int32_t bid)
{
    for (ItemRow &row : form.ItemRows) {
        if (row.bid == bid)
            return &row;
    }
    return nullptr;
}

std::unique_ptr<MainForm> CreateMainForm(Platform &platform)
{
    RegisterResources();
    auto form = std::make_unique<MainForm>(platform);
    // "[*]" shows as "*" while the plan has unsaved changes.
    const QString caption = Utf8(kProgramName) + QStringLiteral("[*] (") + Utf8(kWebAddress) + QLatin1Char(')');
    form->window = std::make_unique<Window>(caption, QPoint(217, 132), QSize(803, 538));
    form->window->setWindowIcon(WindowIcon());
    // The two tips are bound once their labels exist (BuildAboutPanel).
    form->ToolTips = new BalloonToolTips(form->window.get());
    form->englishItemNames = LoadEnglishItemNames();
    BuildTopControls(*form);
    BuildMainGroup(*form);
    WireEvents(*form);
    StartupState(*form);
    return form;
}

} // namespace korvelin
