// The default lists that the pages' "Add &Common" buttons append. Items
// already in the list are not added twice.
#include "confui/DefaultLists.h"

#include "confui/sheets/Contributions.h"

namespace morva::confui::sheets {

void addDefaultLists(Catalogue& catalogue)
{
    catalogue.addDefaultList(
        std::string(defaultlist::kAttachments),
        {"*.ade", "*.adp", "*.bas", "*.bat", "*.chm", "*.cmd", "*.com", "*.cpl", "*.crt", "*.exe",
         "*.hlp", "*.hta", "*.inf", "*.ins", "*.isp", "*.js",  "*.jse", "*.lnk", "*.mdb", "*.mde",
         "*.msc", "*.msi", "*.msp", "*.mst", "*.pcd", "*.pif", "*.reg", "*.scr", "*.sct", "*.shb",
         "*.shs", "*.url", "*.vb",  "*.vbe", "*.vbs", "*.wsc", "*.wsf", "*.wsh", "*.msh", "*.ps1"});
    // Subject phrases, padded with one blank on both sides so that they match
    // whole words only.
    catalogue.addDefaultList(std::string(defaultlist::kSubjects), {" almost free ",
                                                                   " approved ",
                                                                   " as seen on national tv ",
                                                                   " bad credit ",
                                                                   " best price ",
                                                                   " cash bonus ",
                                                                   " casino ",
                                                                   " cheap meds ",
                                                                   " consolidate debt ",
                                                                   " double your income ",
                                                                   " earn extra cash ",
                                                                   " eliminate debt ",
                                                                   " free access ",
                                                                   " free consultation ",
                                                                   " free gift ",
                                                                   " free quote ",
                                                                   " get paid ",
                                                                   " guaranteed income ",
                                                                   " home based business ",
                                                                   " increase sales ",
                                                                   " lose weight ",
                                                                   " lowest price ",
                                                                   " make money fast ",
                                                                   " million dollars ",
                                                                   " no credit check ",
                                                                   " no obligation ",
                                                                   " online pharmacy ",
                                                                   " order now ",
                                                                   " refinance ",
                                                                   " replica watches ",
                                                                   " risk free "});
    catalogue.addDefaultList(std::string(defaultlist::kHtml),
                             {"<iframe", "<object", "<embed", "<script",
                              "javascript:", "vbscript:", "<form", "display:none"});
    catalogue.addDefaultList(std::string(defaultlist::kHeaders),
                             {"X-Mailer:Advanced Mass Sender", "X-Mailer:Dynamic Mailer",
                              "X-Mailer:Group Mail", "X-Mailer:Mass Mail Pro", "X-Mailer:StormPort",
                              "X-Mailer:Super Mail Sender"});
    catalogue.addDefaultList(
        std::string(defaultlist::kCharSets),
        {"iso-8859-2", "windows-1250", "windows-1251", "koi8-r", "big5", "gb2312", "iso-2022-kr"});
    // Host-name patterns of dial-up and dynamic address ranges.
    catalogue.addDefaultList(std::string(defaultlist::kHosts),
                             {"*.dialup.*", "*.dial-up.*", "*.dynamic.*", "*.dyn.*", "*.dhcp.*",
                              "*.ppp.*", "*.adsl.*", "*.dsl.*", "*.cable.*", "*.pool.*"});
    catalogue.addDefaultList(std::string(defaultlist::kDomains),
                             {"*.biz", "*.info", "*.top", "*.xyz", "*.click", "*.loan"});
    catalogue.addDefaultList(
        std::string(defaultlist::kBlocklistZones),
        std::vector<std::string>(kDefaultBlocklistZones.begin(), kDefaultBlocklistZones.end()));
}

} // namespace morva::confui::sheets
