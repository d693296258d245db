#pragma once

#include <string>
#include <vector>

// The fixed item lists of the editors. An item's index is the value it stands for, so a value
// reaches its control as an index and leaves it the same way.
using ItemList = std::vector<std::string>;

// No item chosen: what a control shows for a value beyond its list.
constexpr int NoItem = -1;

ItemList DayCodeItems(); // the ten day codes
ItemList HourItems();    // "CLR", "1".."12"
ItemList MinuteItems();  // "00".."59"
ItemList AmPmItems();    // "Am", "Pm"
ItemList OnOffItems();   // "On", "Off": the step's relay lists On first

ItemList StartMonthItems(); // "CLR", "1".."12"
ItemList DayItems();        // "0".."31", " " (start and end day)
ItemList StartYearItems();  // "00".."99", " "
ItemList EndMonthItems();   // "0".."12"
ItemList EndYearItems();    // "00".."99", no blank item

ItemList DstItems();   // "No", "Yes"
ItemList OffOnItems(); // "Off", "On": the status relay and EL lamp list Off first
ItemList PulseItems(); // "OFF", "1".."99"

// The index of value within a list of count items, or NoItem when the value lies outside it.
inline int ItemFor(int value, int count)
{
    return value >= 0 && value < count ? value : NoItem;
}
