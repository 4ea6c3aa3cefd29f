#pragma once
// The planner's one window: MainForm holds a reference to every control under
// the name the rest of the program uses, the platform services and the plan.
// CreateMainForm builds it, wires every event and puts it into its start-up
// state. Controls are owned by `window` and die with it.

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "toolkit/BalloonToolTips.h"
#include "toolkit/Controls.h"
#include "toolkit/ListBox.h"
#include "toolkit/Platform.h"
#include "toolkit/Window.h"
#include "ui/PlanDocument.h"
#include "ui/QueueListCache.h"

#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QMenu;

namespace korvelin {

class PlanTableWindow;
class RecoveryCopy;
class TimelineChartWindow;

// One item of the buildings or research panel. The value labels of the
// optional lines ("E"/"C", "M", "K", "D") are null when the item has none.
struct ItemRow {
    int32_t bid = 0;
    PushButton *ItemButton = nullptr; // tag: the item's BID
    Label *NameLabel = nullptr;
    Label *LevelLabel = nullptr;        // "L"
    Label *ExtraCaptionLabel = nullptr; // "E" or "C"
    Label *ExtraLabel = nullptr;
    Label *MetalLabel = nullptr;     // "M"
    Label *CrystalLabel = nullptr;   // "K"
    Label *DeuteriumLabel = nullptr; // "D"
    Label *TimeLabel = nullptr;      // "T"
};

inline constexpr int kItemRowsPerPanel = 13;
inline constexpr int kItemRowCount = 2 * kItemRowsPerPanel;

struct MainForm {
    explicit MainForm(Platform &services) : platform(services) {}
    MainForm(const MainForm &) = delete;
    MainForm &operator=(const MainForm &) = delete;

    Platform &platform;
    // Owns the plan; every edit goes through it, and the views follow it.
    PlanDocument document;
    BuildQueue &queue = document.Queue();
    TimelineState timeline;
    QueueListCache queueLines; // what QueueList was last written from
    // The settings of the one file dialog, kept between uses: the commands set
    // title, folder and filter; fileName is the path picked last.
    FileDialogRequest FileDialog;

    std::unique_ptr<Window> window; // owns every control below
    BalloonToolTips *ToolTips = nullptr;

    Label *LanguageLabel = nullptr;
    ComboBox *LanguageBox = nullptr;
    GradientButton *AboutTab = nullptr;
    GradientButton *BuildTab = nullptr;
    GradientButton *ResearchTab = nullptr;
    GradientButton *ResourceTab = nullptr;

    GroupBox *MainGroup = nullptr;
    ListBox *QueueList = nullptr;
    PushButton *UpButton = nullptr;
    PushButton *DownButton = nullptr;
    PushButton *DelButton = nullptr;
    PushButton *CpButton = nullptr;
    GradientButton *SaveButton = nullptr;
    GradientButton *OpenButton = nullptr;

    // Summary block: stock, capacity and production per resource, energy.
    Label *StockMetalLabel = nullptr;
    Label *StockCrystalLabel = nullptr;
    Label *StockDeuteriumLabel = nullptr;
    Label *EnergyBalanceLabel = nullptr;
    Label *CapacityMetalLabel = nullptr;
    Label *CapacityCrystalLabel = nullptr;
    Label *CapacityDeuteriumLabel = nullptr;
    Label *ProductionFactorLabel = nullptr;
    Label *ProductionMetalLabel = nullptr;
    Label *ProductionCrystalLabel = nullptr;
    Label *ProductionDeuteriumLabel = nullptr;
    Label *EnergyProductionLabel = nullptr;

    GroupBox *AboutPanel = nullptr;
    GroupBox *BuildingsPanel = nullptr;
    GroupBox *ResearchPanel = nullptr;
    GroupBox *ResourcePanel = nullptr;

    // Resource panel.
    CheckBox *SupportFleetCheck = nullptr;
    GroupBox *SupportFleetGroup = nullptr;
    TimePicker *SupportTimePicker = nullptr;
    Edit *SupportMetalEdit = nullptr;
    Edit *SupportCrystalEdit = nullptr;
    Edit *SupportDeuteriumEdit = nullptr;
    GroupBox *NeedCurrentGroup = nullptr;
    Edit *BuildTimeEdit = nullptr;
    Edit *NeedMetalEdit = nullptr;
    Edit *NeedCrystalEdit = nullptr;
    Edit *NeedDeuteriumEdit = nullptr;
    Edit *SpareTimeEdit = nullptr;
    Edit *WaitMetalEdit = nullptr;
    Edit *WaitCrystalEdit = nullptr;
    Edit *WaitDeuteriumEdit = nullptr;
    GroupBox *SummaryNeedGroup = nullptr;
    Edit *SummaryTimeEdit = nullptr;
    Edit *SummaryMetalEdit = nullptr;
    Edit *SummaryCrystalEdit = nullptr;
    Edit *SummaryDeuteriumEdit = nullptr;
    GradientButton *NextButton = nullptr;
    GradientButton *CalculateButton = nullptr;
    Edit *MaxTemperatureEdit = nullptr;
    Edit *SatelliteCountEdit = nullptr;
    GradientButton *SaveByTimeButton = nullptr;
    GradientButton *OptimizeButton = nullptr;
    GradientButton *ChartButton = nullptr;
    GradientButton *PlanetButton = nullptr;
    GradientButton *TableButton = nullptr;
    GradientButton *GoalButton = nullptr;

    // About panel.
    Label *WebLabel = nullptr;
    Label *ContactLabel = nullptr;
    Label *VersionLabel = nullptr;

    // QueueList's context menu, its first entry and its last.
    QMenu *QueueMenu = nullptr;
    QAction *BuiltUpToHereAction = nullptr;
    QAction *EnglishNamesAction = nullptr; // checkable, at the menu's end

    // Made on the first click on "Chart"; a top-level window owned by `window`.
    TimelineChartWindow *ChartWindow = nullptr;
    // Made on the first click on "Table"; a top-level window owned by `window`.
    PlanTableWindow *TableWindow = nullptr;
    // The queue list and the plan table name the items in English.
    bool englishItemNames = false;
    // The work under the progress box, and whether the window was asked to
    // close meanwhile (WorkRunner.h).
    BackgroundWork *RunningWork = nullptr;
    bool CloseAfterWork = false;
    // Set by StartRecovery; owned by `window`.
    RecoveryCopy *Recovery = nullptr;

    // Rows 0-12: buildings panel; 13-25: research panel, each top to bottom.
    std::array<ItemRow, kItemRowCount> ItemRows{};
};

// The row of an item with a button, or null for any other BID.
ItemRow *FindItemRow(MainForm &form, int32_t bid);

// Builds the window with every control, wires the events and runs the
// start-up state. The window is not shown yet.
std::unique_ptr<MainForm> CreateMainForm(Platform &platform);

} // namespace korvelin
