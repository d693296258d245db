#include "comm/serialdevices.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>
#include <tuple>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0" reads "FTDI FT232R USB UART A50285BI".
std::string DescribeById(std::string name)
{
    if (StartsWith(name, "usb-"))
        name.erase(0, 4);
    if (const std::size_t interface = name.rfind("-if"); interface != std::string::npos)
        name.erase(interface);
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    return names;
}

// ttyUSB10 after ttyUSB9: by the stem, then by the number, however many digits it has.
bool NaturalLess(const std::string& a, const std::string& b)
{
    const auto split = [](const std::string& s) {
        const std::size_t digits = s.find_last_not_of("0123456789") + 1;
        const std::size_t leading = std::min(s.find_first_not_of('0', digits), s.size());
        return std::make_tuple(s.substr(0, digits), s.size() - leading, s.substr(leading));
    };
    return split(a) < split(b);
}

// The node a by-id link leads to as /dev names it ("../../ttyUSB0" is /dev/ttyUSB0), which is
// the name the user knows, even where that node is a link itself. Empty when it leads nowhere.
std::string LinkedDevice(const std::string& link)
{
    std::error_code error;
    fs::path target = fs::read_symlink(link, error);
    target = error ? fs::path(link) : (fs::path(link).parent_path() / target).lexically_normal();
    return fs::exists(target, error) ? target.string() : std::string();
}

// Two names of one device: the same node, or for device nodes the same device number. Compared
// by hand because std::filesystem::equivalent refuses character devices in some standard
// libraries ("Operation not supported"), which listed every adapter a second time.
bool SameDevice(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0)
        return false;
    if (S_ISCHR(first.st_mode) && S_ISCHR(second.st_mode))
        return first.st_rdev == second.st_rdev;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool HasUart(const std::string& sysTty, const std::string& name)
{
    std::ifstream type(sysTty + "/" + name + "/type");
    int value = 0;
    return type >> value && value != 0; // 0 is PORT_UNKNOWN
}

} // namespace

std::vector<SerialDevice> ListSerialDevices(const DeviceFolders& folders)
{
    std::vector<SerialDevice> found;
    const std::string byId = folders.dev + "/serial/by-id";
    std::vector<std::string> links = Names(byId);
    std::sort(links.begin(), links.end());
    for (const std::string& link : links) {
        if (std::string device = LinkedDevice(byId + "/" + link); !device.empty())
            found.push_back({byId + "/" + link, std::move(device), DescribeById(link),
                             SerialDevice::Kind::UsbById});
    }
    const auto reached = [&](const std::string& device) {
        return std::any_of(found.begin(), found.end(),
                           [&](const SerialDevice& d) { return SameDevice(d.device, device); });
    };
    std::vector<std::string> names = Names(folders.dev);
    std::sort(names.begin(), names.end(), NaturalLess);
    for (const std::string& name : names) {
        const std::string device = folders.dev + "/" + name;
        if ((StartsWith(name, "ttyUSB") || StartsWith(name, "ttyACM")) && !reached(device))
            found.push_back({device, device, {}, SerialDevice::Kind::Usb});
    }
    for (const std::string& name : names) {
        if (StartsWith(name, "ttyS") && HasUart(folders.sysTty, name))
            found.push_back({folders.dev + "/" + name,
                             folders.dev + "/" + name,
                             {},
                             SerialDevice::Kind::BuiltIn});
    }
    return found;
}

bool DevicePresent(const std::string& device)
{
    struct stat node {};
    return ::stat(device.c_str(), &node) == 0;
}

void WriteDeviceList(std::ostream& out, const std::vector<SerialDevice>& devices)
{
    for (const SerialDevice& device : devices) {
        out << device.path << '\t' << device.device;
        if (!device.description.empty())
            out << '\t' << device.description;
        out << '\n';
    }
}

PortFacts GatherPortFacts(const std::string& device, const DeviceFolders& folders)
{
    PortFacts facts;
    for (const SerialDevice& found : ListSerialDevices(folders))
        if (found.usb())
            facts.usbAdapters.push_back(found);
    facts.lockFile = FindLockFileHolder(device);
    struct stat node {};
    if (::stat(device.c_str(), &node) != 0)
        return facts;
    if (const group* owner = ::getgrgid(node.st_gid))
        facts.group = owner->gr_name;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    groups.resize(static_cast<std::size_t>(
        std::max(::getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
    facts.userInGroup = ::geteuid() == 0 || ::getegid() == node.st_gid ||
                        std::find(groups.begin(), groups.end(), node.st_gid) != groups.end();
    return facts;
}
