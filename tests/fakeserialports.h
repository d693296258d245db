#pragma once

#include "ui/serialports.h"

#include <algorithm>
#include <functional>
#include <map>

// The computer's serial ports as a test lays them out: the devices it lists, the user's
// choices (kept here, never in the real settings) and the facts a failure message is made from.
class FakeSerialPorts : public SerialPorts {
public:
    std::vector<SerialDevice> listed;
    std::map<int, std::string> chosen;
    PortFacts facts;
    std::vector<std::string> askedAbout; // the devices factsAbout() was asked about
    std::function<void()> watching;      // set while a window follows the devices

    // An adapter plugged in or pulled out: the list as it is now, and the word to the watcher.
    void change(std::vector<SerialDevice> now)
    {
        listed = std::move(now);
        if (watching)
            watching();
    }
    std::string problem;                 // why the choices cannot be read

    std::vector<SerialDevice> devices() const override { return listed; }
    std::string deviceFor(int comNumber) const override
    {
        const auto found = chosen.find(comNumber);
        return found == chosen.end() ? std::string() : found->second;
    }
    void choose(int comNumber, const std::string& device) override
    {
        if (device.empty())
            chosen.erase(comNumber);
        else
            chosen[comNumber] = device;
    }
    PortFacts factsAbout(const std::string& device) const override
    {
        const_cast<FakeSerialPorts*>(this)->askedAbout.push_back(device);
        return facts;
    }
    bool present(const std::string& device) const override
    {
        return std::any_of(listed.begin(), listed.end(), [&](const SerialDevice& d) {
            return d.path == device || d.device == device;
        });
    }
    void watchDevices(std::function<void()> changed) override { watching = std::move(changed); }
    void stopWatching() override { watching = nullptr; }
    std::string settingsProblem() const override { return problem; }
};
