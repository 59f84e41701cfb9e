#include "platform/UserIdentity.h"

#include <cstdlib>
#ifdef _WIN32
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace morva::platform {

namespace {

std::string fromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : std::string("?");
}

} // namespace

std::string currentUserName()
{
#ifdef _WIN32
    return fromEnvironment("USERNAME");
#else
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name && *entry->pw_name)
        return entry->pw_name;
    return fromEnvironment("USER");
#endif
}

std::string machineName()
{
#ifdef _WIN32
    return fromEnvironment("COMPUTERNAME");
#else
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) == 0 && name[0])
        return name;
    return "?";
#endif
}

} // namespace morva::platform
