#pragma once

#include "confui/Cwm_BasePropSheet.h"

namespace morva::confui {

// The exclusion sheet "Exclude" of a filter: up to four list pages over the
// stem's keys, in the order IP address, host, MAIL FROM address, RCPT TO
// address, as the shape has them.
class Cwm_ExclPropSheet : public Cwm_BasePropSheet
{
    Q_OBJECT
public:
    Cwm_ExclPropSheet(const SheetEnvironment& environment, const std::string& stem, ExclShape shape,
                      QWidget* parent = nullptr);

    const std::string& stem() const { return m_stem; }
    ExclShape shape() const { return m_shape; }
    // The list key of every page, in page order.
    std::vector<std::string> keys() const;

    // The page definitions of a stem and shape.
    static std::vector<PageDef> pagesFor(const std::string& stem, ExclShape shape);

private:
    std::string m_stem;
    ExclShape m_shape;
};

} // namespace morva::confui
