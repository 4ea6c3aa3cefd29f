// The toolkit behaviours the window relies on: the list box's current line
// and selection, double clicks with any button, the digits-only edit, the
// combo box items and the look of controls inside a disabled group.

#include "toolkit/Controls.h"
#include "toolkit/ListBox.h"
#include "toolkit/QtPlatform.h"
#include "toolkit/TextEncoding.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace korvelin::test {
namespace {

class ListBoxTest : public testing::Test {
  protected:
    void SetUp() override
    {
        parent.resize(300, 300);
        list = new ListBox(&parent);
        list->setGeometry(0, 0, 281, 200);
        for (const char *line : {"1. a", "2. b", "3. c", "4. d"})
            list->AppendLine(QString::fromUtf8(line));
        parent.show();
    }

    QPoint LineCentre(int index) { return list->visualItemRect(list->item(index)).center(); }

    QWidget parent;
    ListBox *list = nullptr;
};

TEST_F(ListBoxTest, SelectingMakesCurrentAndIndicesOutsideChangeNothing)
{
    EXPECT_EQ(list->CurrentIndex(), -1);
    list->SetSelected(3, true);
    EXPECT_EQ(list->CurrentIndex(), 3);
    EXPECT_TRUE(list->IsSelected(3));

    // The step that keeps one line selected, aimed past the end: the last
    // line stays current but loses its selection.
    list->SetSelected(list->CurrentIndex(), false);
    list->SetSelected(4, true);
    EXPECT_EQ(list->CurrentIndex(), 3);
    EXPECT_FALSE(list->IsSelected(3));
    EXPECT_TRUE(list->selectedItems().isEmpty());

    list->SetSelected(-1, true);
    list->SetLineText(9, QStringLiteral("x"));
    list->SetCurrentIndex(17);
    EXPECT_EQ(list->CurrentIndex(), 3);
    EXPECT_EQ(list->LineText(9), QString());
    EXPECT_EQ(list->LineCount(), 4);

    list->SetCurrentIndex(1);
    EXPECT_EQ(list->CurrentIndex(), 1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    list->SetLineText(1, QStringLiteral("2. B"));
    EXPECT_EQ(list->LineText(1), QStringLiteral("2. B"));
}

TEST_F(ListBoxTest, ShiftAndControlExtendTheSelection)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, LineCentre(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, LineCentre(2));
    EXPECT_EQ(list->selectedItems().size(), 3);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, LineCentre(1));
    EXPECT_EQ(list->selectedItems().size(), 2);
}

TEST_F(ListBoxTest, DoubleClickFiresForLeftRightAndMiddleButtons)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        list->SetSelected(list->CurrentIndex(), false);
        list->SetSelected(1, true);
        QSignalSpy fired(list, &ListBox::DoubleClicked);
        QTest::mouseDClick(list->viewport(), button, {}, LineCentre(2));
        EXPECT_EQ(fired.count(), 1) << button;
        // Only the left button moves the current line to the clicked one.
        EXPECT_EQ(list->CurrentIndex(), button == Qt::LeftButton ? 2 : 1) << button;
    }
}

TEST_F(ListBoxTest, RightAndMiddlePressesLeaveTheSelectionAlone)
{
    list->SetSelected(0, true);
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, LineCentre(3));
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, LineCentre(3));
    QTest::mouseClick(list->viewport(), Qt::MiddleButton, {}, LineCentre(2));
    EXPECT_EQ(list->CurrentIndex(), 0);
    EXPECT_EQ(list->selectedItems().size(), 1);
    EXPECT_TRUE(list->IsSelected(0));
}

TEST_F(ListBoxTest, HoldsTensOfThousandsOfLines)
{
    QStringList lines;
    for (int i = 1; i <= 20000; ++i)
        lines.append(QStringLiteral("%1. line").arg(i));
    list->SetLines(lines);
    list->SetSelected(19999, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->LineCount(), 20000);
    EXPECT_EQ(list->CurrentIndex(), 19999);
    list->Clear();
    EXPECT_EQ(list->LineCount(), 0);
    EXPECT_EQ(list->CurrentIndex(), -1);
}

struct TypingCase {
    const char *name;
    const char *programText; // set by the program before typing
    Qt::Key moveTo;          // Qt::Key_unknown: stay at the end
    const char *typed;
    const char *expected;
};

const TypingCase kTyping[] = {
    {"digits are taken", "0", Qt::Key_unknown, "12", "012"},
    {"a letter is refused", "0", Qt::Key_unknown, "x", "0"},
    {"a minus sign is refused", "", Qt::Key_unknown, "-5", "5"},
    {"a blank is refused", "7", Qt::Key_Home, " ", "7"},
    {"digits next to a minus the program wrote", "-40", Qt::Key_unknown, "5", "-405"},
    {"a second minus is refused", "-40", Qt::Key_Home, "-", "-40"},
    {"mixed typing keeps the digits", "", Qt::Key_unknown, "1a2b3", "123"},
};

TEST(DigitsOnlyEditTest, RefusesTypedCharactersOtherThanDigits)
{
    for (const TypingCase &c : kTyping) {
        QWidget parent;
        auto *edit = new Edit(&parent);
        edit->SetDigitsOnly();
        edit->setText(QString::fromUtf8(c.programText));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.programText)) << c.name;
        edit->setFocus();
        if (c.moveTo != Qt::Key_unknown)
            QTest::keyClick(edit, c.moveTo);
        QTest::keyClicks(edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(DigitsOnlyEditTest, EditingKeysAndProgramTextStillWork)
{
    QWidget parent;
    auto *edit = new Edit(&parent);
    edit->SetDigitsOnly();
    edit->setText(QStringLiteral("-40"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("-4"));
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), QStringLiteral("4"));
    edit->insert(QStringLiteral("a1")); // a paste goes the same way
    EXPECT_EQ(edit->text(), QStringLiteral("4"));
    edit->setText(QStringLiteral("abc -1"));
    EXPECT_EQ(edit->text(), QStringLiteral("abc -1"));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral("2z"));
    EXPECT_EQ(edit->text(), QStringLiteral("abc -12"));
}

TEST(ComboBoxTest, SetItemTextAppendsOnlyAtTheEnd)
{
    QWidget parent;
    auto *box = new ComboBox(&parent);
    box->SetItemText(1, QStringLiteral("ignored"));
    EXPECT_EQ(box->count(), 0);
    box->SetItemText(0, QStringLiteral("English"));
    box->SetItemText(0, QStringLiteral("English"));
    EXPECT_EQ(box->count(), 1);
    box->setEditText(QStringLiteral("typed"));
    EXPECT_EQ(box->count(), 1);
}

TEST(DisabledLookTest, ChildrenOfADisabledGroupKeepTheirColours)
{
    QWidget parent;
    auto *group = new GroupBox(&parent, QStringLiteral("g"));
    auto *edit = new Edit(group, QStringLiteral("12"));
    auto *label = new Label(group, QStringLiteral("M"));
    SetTextColor(*label, QColor(0, 128, 128));
    group->setEnabled(false);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(edit->palette().color(QPalette::Disabled, QPalette::Text),
              edit->palette().color(QPalette::Active, QPalette::Text));
    EXPECT_EQ(label->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(0, 128, 128));

    // Disabled by itself, a control greys out as usual.
    group->setEnabled(true);
    edit->setEnabled(false);
    EXPECT_NE(edit->palette().color(QPalette::Disabled, QPalette::Text),
              edit->palette().color(QPalette::Active, QPalette::Text));
}

TEST(DisabledLookTest, ControlsMadeInsideADisabledGroupKeepTheirColoursToo)
{
    QWidget parent;
    auto *group = new GroupBox(&parent, QStringLiteral("g"));
    group->setEnabled(false);
    auto *label = new Label(group, QStringLiteral("M"));
    auto *picker = new TimePicker(group);
    EXPECT_FALSE(label->isEnabled());
    EXPECT_EQ(label->palette().color(QPalette::Disabled, QPalette::WindowText),
              label->palette().color(QPalette::Active, QPalette::WindowText));
    EXPECT_EQ(picker->palette().color(QPalette::Disabled, QPalette::Text),
              picker->palette().color(QPalette::Active, QPalette::Text));
}

TEST(ControlTest, TagsAndTextsOfEveryKind)
{
    QWidget parent;
    auto *button = new PushButton(&parent, QStringLiteral("Button1"));
    EXPECT_EQ(Tag(*button), 0);
    SetTag(*button, 122);
    EXPECT_EQ(Tag(*button), 122);
    auto *picker = new TimePicker(&parent);
    picker->SetTime(1, 2, 3);
    EXPECT_EQ(ControlText(*picker), QStringLiteral("01:02:03"));
    EXPECT_EQ(ControlText(GroupBox(&parent, QStringLiteral("Summary Need"))), QStringLiteral("Summary Need"));
}

TEST(ClipboardTest, CarriesUnicodeTextAndItsCodePage1251Bytes)
{
    const QString text = QString::fromUtf8("М1 М2 К1 Ракетница3 ");
    const QByteArray expected("\xcc\x31\x20\xcc\x32\x20\xca\x31\x20\xd0\xe0\xea\xe5\xf2\xed\xe8\xf6\xe0\x33\x20", 20);
    EXPECT_EQ(EncodeCodePage1251(text), expected);
    EXPECT_EQ(EncodeCodePage1251(QString::fromUtf8("ñ")), std::nullopt);

    QtPlatform platform;
    platform.SetClipboardText(text);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), text);
    EXPECT_EQ(data->data(QStringLiteral("text/plain;charset=windows-1251")), expected);
}

// The real dialog: a name typed without an extension gets the default
// suffix, and the filters stand in the order given.
TEST(FileDialogTest, SaveAddsTheDefaultSuffixToANameWithoutOne)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    FileDialogRequest request;
    request.title = QStringLiteral("Save");
    request.initialFolder = folder.path();
    request.filter = QStringLiteral("Korvelin build queue (*.bql);;All files (*)");
    request.defaultSuffix = QStringLiteral("bql");
    request.save = true;
    QStringList filters;
    QTimer::singleShot(0, [&filters] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        dialog->selectFile(QStringLiteral("plan"));
        QMetaObject::invokeMethod(dialog, "accept"); // a protected slot
    });
    QtPlatform platform;
    const std::optional<QString> path = platform.ShowFileDialog(request);
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Korvelin build queue (*.bql)"), QStringLiteral("All files (*)")}));
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(QFileInfo(*path).fileName(), QStringLiteral("plan.bql"));
}

} // namespace
} // namespace korvelin::test
