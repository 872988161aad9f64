// The stored form shared by the typed lists: a 32-bit count, then each element in place, head
// first. Reading creates each element with its default constructor, appends it at the tail
// and lets it read itself; a count that cannot fit in what remains is a read error. what names
// the elements, marked with QT_TRANSLATE_NOOP("Files", ...) (see CArchive::CheckCount).
#pragma once

#include "model/archive.h"

#include <QtGlobal>

#include <type_traits>

template <class List> void SerializeListElements(CArchive& ar, List& list, int nMinBytes,
                                                 const char* what)
{
    int32_t count = list.GetCount();
    ar.Int(count);
    if (ar.IsStoring()) {
        for (auto* element : list)
            element->Serialize(ar);
        return;
    }
    if (!ar.CheckCount(count, nMinBytes, what))
        return;
    using Element = std::remove_pointer_t<typename List::List::value_type>;
    for (int32_t i = 0; i < count && !ar.IsFailed(); ++i) {
        auto* element = new Element;
        list.AddTail(element);
        element->Serialize(ar);
    }
}
