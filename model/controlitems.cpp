#include "model/controlitems.h"

#include "model/setsbuffer.h"

#include <cstdio>

namespace {

ItemList Numbers(int from, int to, const char* format)
{
    ItemList items;
    for (int n = from; n <= to; ++n) {
        char text[8];
        std::snprintf(text, sizeof text, format, n);
        items.push_back(text);
    }
    return items;
}

ItemList Concat(ItemList head, const ItemList& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

} // namespace

ItemList DayCodeItems()
{
    ItemList items;
    for (const DayCode& code : DayCodeTable)
        items.emplace_back(code.name);
    return items;
}

ItemList HourItems()
{
    return Concat({"CLR"}, Numbers(1, 12, "%d"));
}
ItemList MinuteItems()
{
    return Numbers(0, 59, "%02d");
}
ItemList AmPmItems()
{
    return {"Am", "Pm"};
}
ItemList OnOffItems()
{
    return {"On", "Off"};
}

ItemList StartMonthItems()
{
    return Concat({"CLR"}, Numbers(1, 12, "%d"));
}
ItemList DayItems()
{
    return Concat(Numbers(0, 31, "%d"), {" "});
}
ItemList StartYearItems()
{
    return Concat(Numbers(0, 99, "%02d"), {" "});
}
ItemList EndMonthItems()
{
    return Numbers(0, 12, "%d");
}
ItemList EndYearItems()
{
    return Numbers(0, 99, "%02d");
}

ItemList DstItems()
{
    return {"No", "Yes"};
}
ItemList OffOnItems()
{
    return {"Off", "On"};
}
ItemList PulseItems()
{
    return Concat({"OFF"}, Numbers(1, 99, "%d"));
}
