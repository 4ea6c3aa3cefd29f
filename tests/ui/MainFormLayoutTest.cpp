// The control tree against the window's layout: kind, parent, text and bounds
// of every control outside the item panels, in construction order.

#include "FormFixture.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace korvelin::test {
namespace {

enum Kind { kLabel, kButton, kGradient, kGroup, kEdit, kList, kCombo, kCheck, kTime };

using Getter = QWidget *(*)(MainForm &);

struct Expected {
    const char *name; // a MainForm member, or "" for an unnamed caption
    Getter get;       // null for an unnamed caption
    const char *parent;
    Kind kind;
    const char *text;
    QRect bounds;
};

// clang-format off
#define NAMED(member) #member, [](MainForm &f) -> QWidget * { return f.member; }
#define CAPTION "", nullptr
// clang-format on

// Construction order within each parent; texts are those after start-up.
const Expected kLayout[] = {
    {NAMED(LanguageLabel), "window", kLabel, "Language:", {608, 10, 81, 17}},
    {NAMED(LanguageBox), "window", kCombo, "English", {696, 8, 100, 20}},
    {NAMED(AboutTab), "window", kGradient, "About", {456, 8, 145, 20}},
    {NAMED(BuildTab), "window", kGradient, "Build", {8, 8, 137, 20}},
    {NAMED(ResearchTab), "window", kGradient, "Reseach", {152, 8, 145, 20}},
    {NAMED(ResourceTab), "window", kGradient, "Resurce", {304, 8, 145, 20}},
    {NAMED(MainGroup), "window", kGroup, "Build", {2, 30, 801, 500}},
    {CAPTION, "MainGroup", kLabel, "M", {432, 13, 14, 15}},
    {NAMED(StockMetalLabel), "MainGroup", kLabel, "500", {448, 13, 80, 15}},
    {CAPTION, "MainGroup", kLabel, "K", {529, 13, 14, 15}},
    {NAMED(StockCrystalLabel), "MainGroup", kLabel, "500", {544, 13, 80, 15}},
    {CAPTION, "MainGroup", kLabel, "D", {624, 13, 14, 15}},
    {NAMED(StockDeuteriumLabel), "MainGroup", kLabel, "0", {639, 13, 73, 15}},
    {CAPTION, "MainGroup", kLabel, "E", {720, 13, 14, 15}},
    {NAMED(EnergyBalanceLabel), "MainGroup", kLabel, "0", {735, 13, 58, 15}},
    {CAPTION, "MainGroup", kLabel, "M", {432, 29, 14, 15}},
    {NAMED(CapacityMetalLabel), "MainGroup", kLabel, "100000", {448, 29, 80, 15}},
    {CAPTION, "MainGroup", kLabel, "K", {529, 29, 14, 15}},
    {NAMED(CapacityCrystalLabel), "MainGroup", kLabel, "100000", {544, 29, 80, 15}},
    {CAPTION, "MainGroup", kLabel, "D", {624, 29, 14, 15}},
    {NAMED(CapacityDeuteriumLabel), "MainGroup", kLabel, "100000", {639, 29, 73, 15}},
    {CAPTION, "MainGroup", kLabel, "F", {720, 29, 14, 15}},
    {NAMED(ProductionFactorLabel), "MainGroup", kLabel, "0", {735, 29, 58, 15}},
    {CAPTION, "MainGroup", kLabel, "M", {432, 45, 14, 15}},
    {NAMED(ProductionMetalLabel), "MainGroup", kLabel, "20", {448, 45, 80, 15}},
    {CAPTION, "MainGroup", kLabel, "K", {529, 45, 14, 15}},
    {NAMED(ProductionCrystalLabel), "MainGroup", kLabel, "10", {544, 45, 80, 15}},
    {CAPTION, "MainGroup", kLabel, "D", {624, 45, 14, 15}},
    {NAMED(ProductionDeuteriumLabel), "MainGroup", kLabel, "0", {639, 45, 73, 15}},
    {CAPTION, "MainGroup", kLabel, "E", {720, 45, 14, 15}},
    {NAMED(EnergyProductionLabel), "MainGroup", kLabel, "0", {735, 45, 58, 15}},
    {NAMED(OpenButton), "MainGroup", kGradient, "Open", {384, 16, 44, 41}},
    {NAMED(QueueList), "MainGroup", kList, "", {8, 16, 281, 470}},
    {NAMED(UpButton), "MainGroup", kButton, "^", {296, 24, 33, 32}},
    {NAMED(AboutPanel), "MainGroup", kGroup, "About", {336, 56, 457, 437}},
    {CAPTION, "AboutPanel", kLabel, "WWW:", {16, 24, 64, 17}},
    {NAMED(WebLabel), "AboutPanel", kLabel, "www.example.org", {104, 24, 105, 17}},
    {CAPTION, "AboutPanel", kLabel, "ICQ:", {16, 48, 64, 17}},
    {NAMED(ContactLabel), "AboutPanel", kLabel, "100-200-300", {104, 48, 105, 17}},
    {CAPTION, "AboutPanel", kLabel, "Version:", {16, 72, 64, 17}},
    {NAMED(VersionLabel), "AboutPanel", kLabel, KORVELIN_TEST_VERSION, {104, 72, 105, 17}},
    {NAMED(SaveButton), "MainGroup", kGradient, "Save", {336, 16, 43, 40}},
    {NAMED(BuildingsPanel), "MainGroup", kGroup, "Buildings", {336, 56, 457, 437}},
    {NAMED(ResearchPanel), "MainGroup", kGroup, "Reseach", {336, 56, 457, 437}},
    {NAMED(ResourcePanel), "MainGroup", kGroup, "Resurce", {336, 56, 457, 437}},
    {NAMED(SupportFleetCheck), "ResourcePanel", kCheck, "Support Flot", {8, 32, 97, 22}},
    {NAMED(SupportFleetGroup), "ResourcePanel", kGroup, "Support Flot", {112, 16, 337, 49}},
    {NAMED(SupportTimePicker), "SupportFleetGroup", kTime, "00:00:00", {8, 16, 73, 22}},
    {CAPTION, "SupportFleetGroup", kLabel, "M", {88, 20, 13, 16}},
    {NAMED(SupportMetalEdit), "SupportFleetGroup", kEdit, "", {104, 16, 65, 22}},
    {CAPTION, "SupportFleetGroup", kLabel, "K", {174, 20, 13, 16}},
    {NAMED(SupportCrystalEdit), "SupportFleetGroup", kEdit, "", {190, 16, 60, 22}},
    {CAPTION, "SupportFleetGroup", kLabel, "D", {256, 20, 13, 16}},
    {NAMED(SupportDeuteriumEdit), "SupportFleetGroup", kEdit, "", {272, 16, 57, 22}},
    {NAMED(NeedCurrentGroup), "ResourcePanel", kGroup, "Need for current", {8, 72, 441, 73}},
    {NAMED(BuildTimeEdit), "NeedCurrentGroup", kEdit, "", {8, 16, 113, 22}},
    {CAPTION, "NeedCurrentGroup", kLabel, "M", {128, 20, 13, 16}},
    {NAMED(NeedMetalEdit), "NeedCurrentGroup", kEdit, "", {144, 16, 89, 22}},
    {CAPTION, "NeedCurrentGroup", kLabel, "K", {238, 20, 13, 16}},
    {NAMED(NeedCrystalEdit), "NeedCurrentGroup", kEdit, "", {254, 16, 83, 22}},
    {CAPTION, "NeedCurrentGroup", kLabel, "D", {344, 20, 13, 16}},
    {NAMED(NeedDeuteriumEdit), "NeedCurrentGroup", kEdit, "", {360, 16, 73, 22}},
    {NAMED(SpareTimeEdit), "NeedCurrentGroup", kEdit, "", {8, 40, 113, 22}},
    {NAMED(WaitMetalEdit), "NeedCurrentGroup", kEdit, "", {144, 40, 89, 22}},
    {NAMED(WaitCrystalEdit), "NeedCurrentGroup", kEdit, "", {254, 40, 83, 22}},
    {NAMED(WaitDeuteriumEdit), "NeedCurrentGroup", kEdit, "", {360, 40, 73, 22}},
    {NAMED(SummaryNeedGroup), "ResourcePanel", kGroup, "Summary Need", {8, 152, 441, 49}},
    {NAMED(SummaryTimeEdit), "SummaryNeedGroup", kEdit, "", {8, 16, 97, 22}},
    {CAPTION, "SummaryNeedGroup", kLabel, "M", {112, 20, 13, 16}},
    {NAMED(SummaryMetalEdit), "SummaryNeedGroup", kEdit, "", {128, 16, 97, 22}},
    {CAPTION, "SummaryNeedGroup", kLabel, "K", {230, 20, 13, 16}},
    {NAMED(SummaryCrystalEdit), "SummaryNeedGroup", kEdit, "", {246, 16, 83, 22}},
    {CAPTION, "SummaryNeedGroup", kLabel, "D", {336, 20, 13, 16}},
    {NAMED(SummaryDeuteriumEdit), "SummaryNeedGroup", kEdit, "", {352, 16, 81, 22}},
    {NAMED(NextButton), "ResourcePanel", kGradient, "Next", {8, 208, 97, 41}},
    {NAMED(CalculateButton), "ResourcePanel", kGradient, "Calculate", {112, 208, 97, 41}},
    {CAPTION, "ResourcePanel", kLabel, "Max Temperature", {232, 208, 144, 17}},
    {NAMED(MaxTemperatureEdit), "ResourcePanel", kEdit, "0", {384, 208, 52, 22}},
    {CAPTION, "ResourcePanel", kLabel, "Solar Satellite Count", {232, 236, 144, 17}},
    {NAMED(SatelliteCountEdit), "ResourcePanel", kEdit, "0", {384, 232, 52, 22}},
    {NAMED(SaveByTimeButton), "ResourcePanel", kGradient, "SaveByTime", {8, 256, 97, 41}},
    {NAMED(OptimizeButton), "ResourcePanel", kGradient, "Optimize", {112, 256, 97, 41}},
    {NAMED(ChartButton), "ResourcePanel", kGradient, "Chart", {216, 256, 97, 41}},
    {NAMED(PlanetButton), "ResourcePanel", kGradient, "Planet\u2026", {320, 256, 97, 41}},
    {NAMED(TableButton), "ResourcePanel", kGradient, "Table", {112, 304, 97, 41}},
    {NAMED(GoalButton), "ResourcePanel", kGradient, "Goal\u2026", {8, 304, 97, 41}},
    {NAMED(CpButton), "MainGroup", kButton, "Cp", {296, 144, 33, 32}},
    {NAMED(DelButton), "MainGroup", kButton, "Del", {296, 104, 33, 32}},
    {NAMED(DownButton), "MainGroup", kButton, "_", {296, 64, 33, 32}},
};

bool IsKind(const QWidget *widget, Kind kind)
{
    switch (kind) {
    case kLabel:
        return qobject_cast<const Label *>(widget);
    case kButton:
        return qobject_cast<const PushButton *>(widget);
    case kGradient:
        return qobject_cast<const GradientButton *>(widget);
    case kGroup:
        return qobject_cast<const GroupBox *>(widget);
    case kEdit:
        return qobject_cast<const Edit *>(widget);
    case kList:
        return qobject_cast<const ListBox *>(widget);
    case kCombo:
        return qobject_cast<const ComboBox *>(widget);
    case kCheck:
        return qobject_cast<const CheckBox *>(widget);
    case kTime:
        return qobject_cast<const TimePicker *>(widget);
    }
    return false;
}

bool IsControl(const QObject *object)
{
    return qobject_cast<const Label *>(object) || qobject_cast<const QPushButton *>(object) ||
           qobject_cast<const GroupBox *>(object) || qobject_cast<const Edit *>(object) ||
           qobject_cast<const ListBox *>(object) || qobject_cast<const ComboBox *>(object) ||
           qobject_cast<const CheckBox *>(object) || qobject_cast<const TimePicker *>(object);
}

// Every control in construction order, depth first; the item panels' own
// contents are checked by the item-row tests. Containers that are no control
// (the scroll area around the main group) are looked through.
void CollectControls(const MainForm &form, const QWidget *parent, std::vector<QWidget *> &out)
{
    for (QObject *child : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        if (!IsControl(child)) {
            CollectControls(form, widget, out);
            continue;
        }
        out.push_back(widget);
        if (widget != form.BuildingsPanel && widget != form.ResearchPanel)
            CollectControls(form, widget, out);
    }
}

// The control a control sits in, looking through other containers.
const QWidget *ControlParent(const QWidget &control)
{
    const QWidget *parent = control.parentWidget();
    while (parent && !parent->isWindow() && !IsControl(parent))
        parent = parent->parentWidget();
    return parent;
}

// Bounds in the control it sits in.
QRect Bounds(const QWidget &control)
{
    return {control.mapTo(ControlParent(control), QPoint(0, 0)), control.size()};
}

class MainFormLayoutTest : public FormFixture {
  protected:
    QWidget *Named(const std::string &name)
    {
        if (name == "window")
            return form->window.get();
        for (const Expected &row : kLayout) {
            if (row.get && name == row.name)
                return row.get(*form);
        }
        return nullptr;
    }

    std::vector<QWidget *> Controls()
    {
        std::vector<QWidget *> controls;
        CollectControls(*form, form->window.get(), controls);
        return controls;
    }
};

TEST_F(MainFormLayoutTest, EveryControlHasItsKindParentTextAndBoundsInConstructionOrder)
{
    const std::vector<QWidget *> controls = Controls();
    ASSERT_EQ(controls.size(), std::size(kLayout));
    for (size_t i = 0; i < controls.size(); ++i) {
        const Expected &row = kLayout[i];
        const QWidget *control = controls[i];
        SCOPED_TRACE(testing::Message() << "row " << i << " " << row.name << " \"" << row.text << "\"");
        if (row.get) {
            EXPECT_EQ(control, row.get(*form));
        }
        EXPECT_TRUE(IsKind(control, row.kind));
        EXPECT_EQ(ControlParent(*control), Named(row.parent));
        EXPECT_EQ(ControlText(*control), QString::fromUtf8(row.text));
        EXPECT_EQ(Bounds(*control), row.bounds);
    }
}

// What a screen reader announces: the item for each item button, what each
// queue button does; the texts on screen stay.
TEST_F(MainFormLayoutTest, ButtonsHaveAccessibleNamesThatSayWhatTheyAre)
{
    const auto announced = [](QWidget *control) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        return accessible ? accessible->text(QAccessible::Name) : QString();
    };
    QStringList names;
    for (const ItemRow &row : form->ItemRows) {
        EXPECT_EQ(announced(row.ItemButton), row.NameLabel->text());
        EXPECT_EQ(row.ItemButton->text(), QStringLiteral("Button1"));
        names.append(announced(row.ItemButton));
    }
    EXPECT_EQ(names.first(), QStringLiteral("Metal Mine"));
    names.removeDuplicates();
    EXPECT_EQ(names.size(), kItemRowCount);
    const std::pair<QPushButton *, const char *> queueButtons[] = {{form->UpButton, "Move up"},
                                                                   {form->DownButton, "Move down"},
                                                                   {form->DelButton, "Delete with later levels"},
                                                                   {form->CpButton, "Copy as text"}};
    for (const auto &[button, name] : queueButtons)
        EXPECT_EQ(announced(button), QString::fromUtf8(name));
    EXPECT_EQ(form->UpButton->text(), QStringLiteral("^"));
    EXPECT_EQ(form->CpButton->text(), QStringLiteral("Cp"));
}

TEST_F(MainFormLayoutTest, WindowIconHasEveryDrawnSize)
{
    QList<QSize> sizes = form->window->windowIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    const QList<QSize> expected = {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(sizes, expected);
}

TEST_F(MainFormLayoutTest, WindowKeepsItsClientSizeAndResizingMovesNothing)
{
    QWidget *window = form->window.get();
    EXPECT_EQ(window->size(), QSize(803, 538));
    EXPECT_EQ(window->pos(), QPoint(217, 132));
    EXPECT_FALSE(window->windowIcon().isNull());
    window->show();
    for (const QSize size : {QSize(400, 300), QSize(1200, 900), QSize(803, 538)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        const std::vector<QWidget *> controls = Controls();
        for (size_t i = 0; i < controls.size(); ++i) {
            EXPECT_EQ(Bounds(*controls[i]), kLayout[i].bounds) << kLayout[i].name << " at " << size.width();
        }
        // Made smaller than its layout, the window scrolls the main group.
        auto *scrolled = qobject_cast<QScrollArea *>(form->MainGroup->parentWidget()->parentWidget());
        ASSERT_NE(scrolled, nullptr);
        EXPECT_EQ(scrolled->verticalScrollBar()->maximum() > 0, size.height() < 538) << size.height();
        EXPECT_EQ(scrolled->horizontalScrollBar()->maximum() > 0, size.width() < 803) << size.width();
    }
}

// With the default font, every caption fits its bounds (group titles and
// button texts need room for their frames).
TEST_F(MainFormLayoutTest, NoCaptionIsClipped)
{
    std::vector<QWidget *> controls;
    CollectControls(*form, form->window.get(), controls);
    for (QWidget *panel : {static_cast<QWidget *>(form->BuildingsPanel), static_cast<QWidget *>(form->ResearchPanel)})
        CollectControls(*form, panel, controls);
    ASSERT_GT(controls.size(), std::size(kLayout));

    for (const QWidget *control : controls) {
        const QString text = ControlText(*control);
        const QFontMetrics metrics(control->font());
        const int textWidth = metrics.horizontalAdvance(text);
        int room = control->width();
        if (qobject_cast<const GroupBox *>(control)) {
            room -= 16;
        } else if (qobject_cast<const CheckBox *>(control)) {
            room -= control->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                    control->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        } else if (qobject_cast<const PushButton *>(control)) {
            if (!static_cast<const PushButton *>(control)->Bitmap().isNull())
                continue; // the text lies hidden under the bitmap
            room -= 6;
        } else if (qobject_cast<const GradientButton *>(control)) {
            room -= 4;
        } else if (!qobject_cast<const Label *>(control)) {
            continue;
        }
        EXPECT_LE(textWidth, room) << text.toStdString();
        if (qobject_cast<const Label *>(control)) {
            EXPECT_LE(metrics.height(), control->height()) << text.toStdString();
        }
    }
}

struct ColourCase {
    const char *name;
    Getter get;
    QColor text;       // invalid: not checked
    QColor background; // invalid: not checked
};

TEST_F(MainFormLayoutTest, ControlsHaveTheirColours)
{
    const QColor window = ResolveSystemColor(SystemColor::Window);
    const ColourCase cases[] = {
        {NAMED(QueueList), QColor(0, 128, 0), ResolveSystemColor(SystemColor::ActiveBorder)},
        {NAMED(LanguageBox), QColor(), window},
        {NAMED(WebLabel), QColor(0, 0, 255), ResolveSystemColor(SystemColor::ButtonFace)},
        {NAMED(ContactLabel), QColor(0, 128, 0), QColor()},
        {NAMED(VersionLabel), QColor(128, 0, 0), QColor()},
        {NAMED(StockMetalLabel), QColor(0, 0, 0), QColor()},
        {NAMED(EnergyProductionLabel), QColor(0, 0, 0), QColor()},
        {NAMED(MaxTemperatureEdit), QColor(), window},
        {NAMED(SummaryDeuteriumEdit), QColor(), window},
        {NAMED(SupportMetalEdit), QColor(), window},
    };
    for (const ColourCase &c : cases) {
        const QWidget *control = c.get(*form);
        if (c.text.isValid()) {
            EXPECT_EQ(TextColor(*control), c.text) << c.name;
        }
        if (c.background.isValid()) {
            EXPECT_EQ(BackgroundColor(*control), c.background) << c.name;
        }
    }
    EXPECT_TRUE(form->WebLabel->font().underline());
    EXPECT_TRUE(form->WebLabel->autoFillBackground());
}

struct CursorCase {
    const char *name;
    Getter get;
    Qt::CursorShape shape;
};

TEST_F(MainFormLayoutTest, AboutPanelShowsTheHandOnlyWhereItInvitesAClick)
{
    auto caption = [this](const char *text) {
        for (QObject *child : form->AboutPanel->children()) {
            auto *label = qobject_cast<Label *>(child);
            if (label && label->text() == QString::fromUtf8(text))
                return static_cast<QWidget *>(label);
        }
        return static_cast<QWidget *>(nullptr);
    };
    const CursorCase named[] = {
        {NAMED(AboutPanel), Qt::PointingHandCursor},
        {NAMED(WebLabel), Qt::PointingHandCursor},
        {NAMED(ContactLabel), Qt::ArrowCursor},
        {NAMED(VersionLabel), Qt::ArrowCursor},
    };
    for (const CursorCase &c : named) {
        EXPECT_EQ(c.get(*form)->cursor().shape(), c.shape) << c.name;
    }
    EXPECT_EQ(caption("WWW:")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(caption("ICQ:")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(caption("Version:")->cursor().shape(), Qt::PointingHandCursor);
}

} // namespace
} // namespace korvelin::test
