#pragma once

#include "RecordingPlatform.h"
#include "ui/MainForm.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

namespace korvelin::test {

inline QStringList Texts(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

// A recorder that can look at the window while a message box would stand.
class WatchingPlatform : public RecordingPlatform {
  public:
    void ShowMessage(std::string_view text) override
    {
        RecordingPlatform::ShowMessage(text);
        if (onMessage)
            onMessage();
    }
    std::function<void()> onMessage;
};

// A fresh window whose queue is edited through the real item buttons.
class QueueFormFixture : public testing::Test {
  protected:
    WatchingPlatform platform;
    std::unique_ptr<MainForm> form = CreateMainForm(platform);

    void Click(int32_t bid) { FindItemRow(*form, bid)->ItemButton->click(); }
    void Click(std::initializer_list<int32_t> bids)
    {
        for (const int32_t b : bids)
            Click(b);
    }
    // What a left click on a line does to the list.
    void PickLine(int line)
    {
        form->QueueList->clearSelection();
        form->QueueList->SetSelected(line, true);
    }

    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < form->QueueList->LineCount(); ++i)
            lines.append(form->QueueList->LineText(i));
        return lines;
    }
    std::vector<int> SelectedLines() const
    {
        std::vector<int> selected;
        for (int i = 0; i < form->QueueList->LineCount(); ++i) {
            if (form->QueueList->IsSelected(i))
                selected.push_back(i);
        }
        return selected;
    }
    int Current() const { return form->QueueList->CurrentIndex(); }

    // The need and time fields, in the order need M/K/D, wait M/K/D, build
    // time, total.
    QStringList NeedFields() const
    {
        QStringList texts;
        for (const Edit *edit :
             {form->NeedMetalEdit, form->NeedCrystalEdit, form->NeedDeuteriumEdit, form->WaitMetalEdit,
              form->WaitCrystalEdit, form->WaitDeuteriumEdit, form->BuildTimeEdit, form->SummaryTimeEdit})
            texts.append(edit->text());
        return texts;
    }
    // The summary block row by row: stock M/K/D, balance; capacity M/K/D,
    // factor; production M/K/D, energy produced.
    QStringList Summary() const
    {
        QStringList texts;
        for (const Label *label :
             {form->StockMetalLabel, form->StockCrystalLabel, form->StockDeuteriumLabel, form->EnergyBalanceLabel,
              form->CapacityMetalLabel, form->CapacityCrystalLabel, form->CapacityDeuteriumLabel,
              form->ProductionFactorLabel, form->ProductionMetalLabel, form->ProductionCrystalLabel,
              form->ProductionDeuteriumLabel, form->EnergyProductionLabel})
            texts.append(label->text());
        return texts;
    }
    // Del, ^, _, Cp, Next.
    std::vector<bool> ButtonStates() const
    {
        return {form->DelButton->isEnabled(), form->UpButton->isEnabled(), form->DownButton->isEnabled(),
                form->CpButton->isEnabled(), form->NextButton->isEnabled()};
    }
};

} // namespace korvelin::test
