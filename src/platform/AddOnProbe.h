#pragma once

#include <memory>

namespace morva::platform {

// Tells whether the Exchange junk-mail add-on (MORVAFilter) is installed on
// this machine. On Windows two registry values say so; elsewhere the add-on
// cannot exist and the probe reports it absent.
class AddOnProbe
{
public:
    virtual ~AddOnProbe() = default;
    virtual bool junkMailAddOnInstalled() = 0;
};

// The backend of this machine; each backend's source file defines it.
std::unique_ptr<AddOnProbe> makeSystemAddOnProbe();

// For tests: reports what it is told.
class FakeAddOnProbe final : public AddOnProbe
{
public:
    explicit FakeAddOnProbe(bool installed = true) : m_installed(installed) {}
    bool junkMailAddOnInstalled() override
    {
        ++m_calls;
        return m_installed;
    }
    void setInstalled(bool installed) { m_installed = installed; }
    int calls() const { return m_calls; }

private:
    bool m_installed;
    int m_calls = 0;
};

} // namespace morva::platform
