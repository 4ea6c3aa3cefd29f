#include "rules/ItemCatalogue.h"

namespace korvelin {

namespace {

using enum ItemKind;

constexpr std::array<CatalogueItem, kItemCount> kCatalogue{{
    {1, Building, "Metal Mine", "Рудник по добыче металла", "М", {60, 15, 0}},
    {2, Building, "Crystal Mine", "Рудник по добыче кристалла", "К", {48, 24, 0}},
    {3, Building, "Deuterium Synthesizer", "Синтезатор дейтерия", "Д", {225, 75, 0}},
    {4, Building, "Solar Plant", "Солнечная электростанция", "С", {75, 30, 0}},
    {12, Building, "Fusion Reactor", "Термоядерная электростанция", "Т", {900, 360, 180}},
    {14, Building, "Robotics Factory", "Фабрика роботов", "ФР", {400, 120, 200}},
    {15, Building, "Nanite Factory", "Фабрика нанитов", "ФН", {1000000, 500000, 100000}},
    {21, Building, "Shipyard", "Верфь", "В", {400, 200, 100}},
    {22, Building, "Metal Storage", "Хранилище металла", "ХМ", {2000, 0, 0}},
    {23, Building, "Crystal Storage", "Хранилище кристалла", "ХК", {2000, 1000, 0}},
    {24, Building, "Deuterium Tank", "Ёмкость для дейтерия", "ХД", {2000, 2000, 0}},
    {31, Building, "Research Lab", "Исследовательская лаборатория", "ИЛ", {200, 400, 200}},
    {41, Building, "", "Лунная база", "ЛБ", {20000, 40000, 20000}},
    {42, Building, "", "Сенсорная фаланга", "Ф", {20000, 40000, 20000}},
    {43, Building, "", "Врата", "Ворота", {2000000, 4000000, 2000000}},
    {44, Building, "Missile Silo", "Ракетная шахта", "Ракетница", {20000, 20000, 1000}},
    {106, Research, "Espionage", "Шпионаж", "Ш", {200, 1000, 200}},
    {108, Research, "Computer", "Компьютерная технология", "Компы", {0, 400, 600}},
    {109, Research, "Weapons", "Оружейная технология", "Оружейка", {800, 200, 0}},
    {110, Research, "Shielding", "Щитовая технология", "Щиты", {200, 600, 0}},
    {111, Research, "Armour", "Броня космических кораблей", "Броня", {1000, 0, 0}},
    {113, Research, "Energy", "Энергетическая технология", "Энерго", {0, 800, 400}},
    {114, Research, "Hyperspace", "Гиперпространственная технология", "Гипер", {0, 4000, 2000}},
    {115, Research, "Combustion Drive", "Реактивный двигатель", "РД", {400, 0, 600}},
    {117, Research, "Impulse Drive", "Импульсный двигатель", "ИД", {2000, 4000, 600}},
    {118, Research, "Hyperspace Drive", "Гиперпространственный двигатель", "ГД", {10000, 20000, 6000}},
    {120, Research, "Laser", "Лазерная технология", "Лазер", {200, 100, 0}},
    {121, Research, "Ion", "Ионная технология", "Ионка", {1000, 300, 100}},
    {122, Research, "Plasma", "Плазменная технология", "Плазма", {2000, 4000, 1000}},
    {123, Research, "", "Межгалактическая исследовательская сеть", "Сеть", {240000, 400000, 160000}},
    {199, Research, "", "Гравитационная технология", "Грава", {0, 0, 0}},
}};

const CatalogueItem &Row(int32_t itemIndex)
{
    return kCatalogue[static_cast<size_t>(itemIndex - 1)];
}

} // namespace

const std::array<CatalogueItem, kItemCount> &ItemCatalogue()
{
    return kCatalogue;
}

int32_t ItemIndexOf(int32_t bid)
{
    for (int32_t i = 0; i < kItemCount; ++i) {
        if (kCatalogue[static_cast<size_t>(i)].bid == bid)
            return i + 1;
    }
    return -1;
}

int32_t BaseCost(int32_t itemIndex, int32_t kind)
{
    return Row(itemIndex).baseCost[static_cast<size_t>(kind - 1)];
}

std::string_view FullName(int32_t itemIndex)
{
    return Row(itemIndex).fullName;
}

std::string_view ShortName(int32_t itemIndex)
{
    return Row(itemIndex).shortName;
}

std::string_view Caption(int32_t itemIndex)
{
    return Row(itemIndex).caption;
}

int32_t BidAt(int32_t itemIndex)
{
    return Row(itemIndex).bid;
}

std::string_view EnglishName(int32_t itemIndex)
{
    const std::string_view caption = Caption(itemIndex);
    if (!caption.empty())
        return caption;
    // The five items without a button have no caption of their own.
    switch (BidAt(itemIndex)) {
    case 41:
        return "Moon Base";
    case 42:
        return "Sensor Phalanx";
    case 43:
        return "Gate";
    case 123:
        return "Intergalactic Research Network";
    case 199:
        return "Gravitation Technology";
    default:
        return FullName(itemIndex);
    }
}

bool HasItemRow(int32_t bid)
{
    const int32_t index = ItemIndexOf(bid);
    return index != -1 && !Caption(index).empty();
}

std::string ItemLabel(int32_t bid)
{
    const int32_t index = ItemIndexOf(bid);
    if (index == -1)
        return std::to_string(bid);
    const std::string_view caption = Caption(index);
    return std::string(caption.empty() ? FullName(index) : caption);
}

} // namespace korvelin
