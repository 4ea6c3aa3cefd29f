#include "search/PlanChange.h"

namespace korvelin::search {

void PlanChange::Apply(Sequence &plan)
{
    const auto at = [&](int32_t position) { return plan.begin() + position; };
    switch (kind) {
    case Kind::Move:
        if (move.to < move.from)
            std::rotate(at(move.to), at(move.from), at(move.from + move.length));
        else
            std::rotate(at(move.from), at(move.from + move.length), at(move.to + move.length));
        break;
    case Kind::Insert:
        for (int32_t i = 0; i < insertionCount; ++i) {
            const Insertion &insertion = insertions[static_cast<size_t>(i)];
            plan.insert(at(insertion.position), insertion.element);
        }
        break;
    case Kind::Erase:
        erasedElements_.resize(erased.size());
        for (size_t i = erased.size(); i-- > 0;) {
            erasedElements_[i] = plan[static_cast<size_t>(erased[i])];
            plan.erase(at(erased[i]));
        }
        break;
    case Kind::Replace:
        std::swap(element, plan[static_cast<size_t>(position)]);
        break;
    }
}

void PlanChange::Undo(Sequence &plan)
{
    const auto at = [&](int32_t position) { return plan.begin() + position; };
    switch (kind) {
    case Kind::Move:
        if (move.to < move.from)
            std::rotate(at(move.to), at(move.to + move.length), at(move.from + move.length));
        else
            std::rotate(at(move.from), at(move.to), at(move.to + move.length));
        break;
    case Kind::Insert:
        for (int32_t i = insertionCount - 1; i >= 0; --i)
            plan.erase(at(insertions[static_cast<size_t>(i)].position));
        break;
    case Kind::Erase:
        for (size_t i = 0; i < erased.size(); ++i)
            plan.insert(at(erased[i]), erasedElements_[i]);
        break;
    case Kind::Replace:
        std::swap(element, plan[static_cast<size_t>(position)]);
        break;
    }
}

} // namespace korvelin::search
