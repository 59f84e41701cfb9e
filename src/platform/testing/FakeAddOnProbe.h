#pragma once

#include "platform/AddOnProbe.h"

namespace morva::platform {

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
