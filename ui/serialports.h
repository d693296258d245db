#pragma once

#include "comm/serialdevices.h"
#include "comm/serialport.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QFileSystemWatcher;

// What the windows need of the computer's serial ports: the devices it has now, the device the
// user chose for each COM number, and what can be told about a device that failed. The program
// passes the system's; tests pass a set of their own.
class SerialPorts {
public:
    virtual ~SerialPorts() = default;

    virtual std::vector<SerialDevice> devices() const = 0;
    // The device chosen for COMn, or "" for none (the built-in port).
    virtual std::string deviceFor(int comNumber) const = 0;
    virtual void choose(int comNumber, const std::string& device) = 0; // "" drops the choice
    virtual PortFacts factsAbout(const std::string& device) const = 0;
    // The device is there now; an adapter's by-id name is not while it is unplugged.
    virtual bool present(const std::string& device) const = 0;
    // Calls changed(), on the thread that asked, whenever a device may have come or gone, until
    // stopWatching(). One watch at a time.
    virtual void watchDevices(std::function<void()> changed) = 0;
    virtual void stopWatching() = 0;
    // Why the choices cannot be read or kept (their file is unusable), in words naming the file;
    // empty when they can.
    virtual std::string settingsProblem() const { return {}; }
};

// The user's choices as the serial port asks for them. While the file that keeps them cannot be
// read, a COM number that has no choice made in this run stands for no device at all (the send
// then names the file) rather than for a built-in port the user may never have chosen.
PortChoice ChoiceOf(const SerialPorts& ports);

// The system's devices; the choices are kept per user where the desktop keeps settings
// ($XDG_CONFIG_HOME/halvex/halvex.conf), not in the working directory with halvex.dat: a person
// who plugs the adapter into their laptop wants it found from every folder they start in. While
// that file cannot be used, choices hold for this run only.
class SystemSerialPorts : public SerialPorts {
public:
    explicit SystemSerialPorts(DeviceFolders folders = {});
    ~SystemSerialPorts() override;

    std::vector<SerialDevice> devices() const override;
    std::string deviceFor(int comNumber) const override;
    void choose(int comNumber, const std::string& device) override;
    PortFacts factsAbout(const std::string& device) const override;
    bool present(const std::string& device) const override;
    void watchDevices(std::function<void()> changed) override;
    void stopWatching() override;
    std::string settingsProblem() const override;

private:
    void watchFolders();

    DeviceFolders folders;
    std::unique_ptr<QFileSystemWatcher> watcher;
    std::function<void()> changed;
    std::map<int, std::string> thisRun; // choices made while the file could not be used
};
