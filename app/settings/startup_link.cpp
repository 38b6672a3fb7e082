#include "settings/startup_link.h"

bool GetLinkFileName(const std::string& programPath, std::string& linkName)
{
    const size_t slash = programPath.rfind('\\');
    if (slash == std::string::npos)
        return false;
    const std::string file = programPath.substr(slash + 1);
    linkName = file.substr(0, file.find('.')) + ".lnk";
    return true;
}

bool LinkPathIn(const std::string& folder, const std::string& programPath, std::string& linkPath)
{
    std::string name;
    if (!GetLinkFileName(programPath, name))
        return false;
    const std::string path = folder + "\\" + name;
    if (path.size() + 1 > kMaxPathBytes)
        return false;
    linkPath = path;
    return true;
}
