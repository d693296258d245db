#pragma once

#include "comm/serialdevices.h"
#include "comm/transfer.h"

#include <string>

// What went wrong with a send, in plain words for the person at the clock: what happened, and
// what to do about it. portName is "COM1".."COM8"; facts are what the system could tell about
// the device afterwards. Empty for a send that did not fail.
std::string DescribeTransferFailure(const TransferOutcome& outcome, const std::string& portName,
                                    const PortFacts& facts);
