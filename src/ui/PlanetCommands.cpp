#include "ui/PlanetCommands.h"

#include "queue/Timeline.h"
#include "rules/ItemCatalogue.h"
#include "ui/ItemRowTable.h"
#include "ui/MainForm.h"
#include "ui/PlanetInputs.h"

#include "plan/InputRanges.h"

#include <algorithm>

namespace korvelin {

namespace {

// Where each answer goes back into the planet.
struct PlanetField {
    int32_t bid = 0;  // a start level, or 0
    int32_t kind = 0; // 1..3 for the stock, 4 for the speed, 5 for the rules
};

} // namespace

void EditPlanet(MainForm &form)
{
    const Planet &current = form.document.StartPlanet();
    NumbersRequest request;
    request.title = QStringLiteral("Planet");
    std::vector<PlanetField> targets;
    const auto &layouts = ItemRowLayouts();
    for (size_t row = 0; row < layouts.size(); ++row) {
        const int32_t bid = layouts[row].bid;
        const QString group = row < kItemRowCount / 2 ? QStringLiteral("Buildings") : QStringLiteral("Research");
        const InputRange range = LevelRange(bid);
        request.fields.push_back({group,
                                  QString::fromUtf8(Caption(ItemIndexOf(bid))),
                                  current.StartLevel(bid),
                                  range.minimum,
                                  range.maximum,
                                  {}});
        targets.push_back({bid, 0});
    }
    const char *const stockNames[] = {"Metal", "Crystal", "Deuterium"};
    for (int32_t kind = 0; kind < 3; ++kind) {
        request.fields.push_back({QStringLiteral("Start stock"),
                                  QString::fromLatin1(stockNames[kind]),
                                  current.startStock[static_cast<size_t>(kind)],
                                  kStockRange.minimum,
                                  kStockRange.maximum,
                                  {}});
        targets.push_back({0, kind + 1});
    }
    // The rules before the speed, which stays the form's last field.
    NumberField rules;
    rules.group = QStringLiteral("Economy");
    rules.caption = QString::fromLatin1(kRulesField.data(), static_cast<qsizetype>(kRulesField.size()));
    rules.value = current.inputs.rules == GameRules::Game ? 1 : 0;
    rules.maximum = 1;
    for (const GameRules choice : {GameRules::Classic, GameRules::Game}) {
        const std::string_view name = RulesName(choice);
        rules.choices.push_back(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    request.fields.push_back(rules);
    targets.push_back({0, 5});
    request.fields.push_back({QStringLiteral("Economy"),
                              QStringLiteral("Economy speed"),
                              current.inputs.economySpeed,
                              kSpeedRange.minimum,
                              kSpeedRange.maximum,
                              {}});
    targets.push_back({0, 4});

    const std::optional<std::vector<int64_t>> answer = form.platform.AskNumbers(request);
    if (!answer || answer->size() != targets.size())
        return;
    Planet planet = current;
    for (size_t i = 0; i < targets.size(); ++i) {
        const NumberField &field = request.fields[i];
        const int64_t value = (*answer)[i];
        // A value the form could not show (a level or stock from a file or
        // from "Built up to here" beyond its range) stays unless it was edited.
        if (value == std::clamp(field.value, field.minimum, field.maximum))
            continue;
        // The form's boxes hold their ranges; an answer past one is refused
        // whole rather than cut, so the planet never takes a value the walk
        // can't figure.
        const PlanetField &target = targets[i];
        const std::string fieldName = target.bid != 0    ? StartLevelField(target.bid)
                                      : target.kind == 5 ? std::string(kRulesField)
                                      : target.kind == 4
                                          ? std::string(kSpeedField)
                                          : std::string(StockField(static_cast<size_t>(target.kind) - 1));
        if (const auto error = CheckRange(
                fieldName, {field.minimum, field.maximum, target.bid != 0 ? LevelRange(target.bid).reason : ""},
                value)) {
            form.platform.ShowMessage(*error);
            return;
        }
        if (target.bid != 0)
            planet.SetStartLevel(target.bid, static_cast<int32_t>(value));
        else if (target.kind == 4)
            planet.inputs.economySpeed = static_cast<int32_t>(value);
        else if (target.kind == 5)
            planet.inputs.rules = value == 1 ? GameRules::Game : GameRules::Classic;
        else
            planet.startStock[static_cast<size_t>(target.kind) - 1] = value;
    }
    if (const auto error = form.document.ChangePlanet(planet))
        form.platform.ShowMessage(*error);
}

void BuildUpToHere(MainForm &form, int32_t line)
{
    if (line < 0 || line >= form.queue.Count())
        return;
    const std::array<int64_t, 3> stock =
        StockAfterLine(form.queue, line, form.document.StartPlanet().startStock, ReadPlanetInputs(form));
    if (const auto error = form.document.BuiltUpToHere(line, stock))
        form.platform.ShowMessage(*error);
}

} // namespace korvelin
