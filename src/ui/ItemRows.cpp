#include "plan/ItemRowFigures.h"
#include "rules/ItemCatalogue.h"
#include "ui/FormBuilders.h"
#include "ui/ItemRowTable.h"

#include <QPixmap>

namespace korvelin {

namespace {

QPixmap ItemBitmap(int number)
{
    return QPixmap(QStringLiteral(":/ZMAINFORM_BUTTON%1_IMAGE").arg(number));
}

// Places the labels of one row, all in the row's colour.
class RowLabels {
  public:
    RowLabels(GroupBox *panel, QColor colour) : panel_(panel), colour_(colour) {}

    Label *Add(const char *text, int x, int y, int width, int height)
    {
        Label *label = MakeLabel(panel_, text, x, y, width, height);
        SetTextColor(*label, colour_);
        return label;
    }

    // A caption and its value label; the value starts empty.
    Label *AddValue(const char *caption, int captionX, int valueX, int y, int captionWidth, int valueWidth,
                    Label **captionLabel = nullptr)
    {
        Label *added = Add(caption, captionX, y, captionWidth, 15);
        if (captionLabel)
            *captionLabel = added;
        return Add("", valueX, y, valueWidth, 15);
    }

  private:
    GroupBox *panel_;
    QColor colour_;
};

void BuildItemRow(GroupBox *panel, int r, const ItemRowLayout &layout, ItemRow &row)
{
    const int y = 16 + 32 * r;
    const int32_t index = ItemIndexOf(layout.bid);
    row.bid = layout.bid;

    row.ItemButton = MakePushButton(panel, "Button1", 8, y, 32, 32);
    row.ItemButton->SetBitmap(ItemBitmap(layout.bitmapNumber));
    SetTag(*row.ItemButton, layout.bid);
    // Every button's text is "Button1"; a screen reader says the item.
    const std::string caption(Caption(index));
    row.ItemButton->setAccessibleName(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));

    RowLabels labels(panel, ItemRowColor(r));
    row.NameLabel = labels.Add(caption.c_str(), 48, y, 161, 17);
    row.LevelLabel = labels.AddValue("L", 248, 264, y, 9, 30);
    if (const ItemRowExtra extra = ItemRowExtraOf(layout.bid); extra != ItemRowExtra::None) {
        const char *extraCaption = extra == ItemRowExtra::Energy ? "E" : "C";
        row.ExtraLabel = labels.AddValue(extraCaption, 344, 360, y - 3, 14, 85, &row.ExtraCaptionLabel);
    }
    if (BaseCost(index, kMetal) != 0)
        row.MetalLabel = labels.AddValue("M", 48, 64, y + 13, 14, 80);
    if (BaseCost(index, kCrystal) != 0)
        row.CrystalLabel = labels.AddValue("K", 145, 168, y + 13, 14, 80);
    if (BaseCost(index, kDeuterium) != 0)
        row.DeuteriumLabel = labels.AddValue("D", 248, 264, y + 13, 14, 73);
    row.TimeLabel = labels.AddValue("T", 344, 360, y + 13, 14, 85);
}

} // namespace

void BuildItemPanel(MainForm &form, GroupBox *panel, int firstRow)
{
    for (int r = 0; r < kItemRowsPerPanel; ++r) {
        const auto i = static_cast<size_t>(firstRow + r);
        BuildItemRow(panel, r, ItemRowLayouts()[i], form.ItemRows[i]);
    }
}

} // namespace korvelin
