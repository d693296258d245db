#pragma once

#include "model/setsbuffer.h"

#include <string>
#include <vector>

// A step whose day mask is none of the ten day codes is rewritten to "Sun" with the relay Off
// (byte 2 = 0x01) whenever it is shown or printed; that is why a zeroed step table does not
// stay zero once listed.
void NormaliseDayCode(SetsBuffer& buffer, int step);

// The text of step i's list line, after NormaliseDayCode.
std::string FormatStepLine(SetsBuffer& buffer, int step);
std::string FormatAnnualLine(const SetsBuffer& buffer, const BufferLayout& layout, int annual);

// Every line of the step list and of the annual list, in record order.
std::vector<std::string> StepListLines(SetsBuffer& buffer, const BufferLayout& layout);
std::vector<std::string> AnnualListLines(const SetsBuffer& buffer, const BufferLayout& layout);

// "00", "01", .. for the record number lists.
std::vector<std::string> RecordNumbers(int count);
