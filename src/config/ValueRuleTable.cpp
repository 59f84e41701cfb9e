// The value rules of the keys that accept less than their kind: the range of
// a number, the check of a text, the check of each list item. Every key of
// the schema also has its kind's rule (see ValueRules.cpp): an Int takes any
// number the file can hold, every list item must not be blank, and every
// item of a NetList must be an address or network.
#include "config/ValueRules.h"

namespace morva::config {

namespace {

constexpr ValueRuleRow range(const char* names, std::int64_t minimum, std::int64_t maximum)
{
    return {names, minimum, maximum, false, TextCheck::None};
}

// A number of days where 0 turns the feature off.
constexpr ValueRuleRow daysOrOff(const char* names)
{
    return {names, 1, 9999, true, TextCheck::None};
}

constexpr ValueRuleRow textRule(const char* names, TextCheck check)
{
    return {names, 0, -1, false, check};
}

const ValueRuleRow kRules[] = {
    // Ports
    range("SMTPInboundPort SMTPOutboundPort ExchOutboundPort VirusScannerClamAVPort", 1, 65535),

    // Connections, threads and message counts
    range("InboundSMTPMaxConnections OutboundSMTPMaxConnections", 1, 1000),
    range("InboundSMTPMaxSendToMessage", 1, 100000),
    range("InboundQueueMaxThread OutboundQueueMaxThread", 1, 500),
    range("MsgLoopMaxMsg", 1, 1000000),

    // Times in seconds
    range("InboundSMTPGreetDelaySeconds", 1, 300),
    range("InboundGreyListMinTime", 1, 86400),
    range("InboundGreyListMidTime MsgLoopPeriod", 60, 2592000),
    range("InboundGreyListMaxTime", 3600, 31536000),
    range("SMTPOutboundNormalExpire SMTPOutboundDSNExpire ExchOutboundNormalExpire "
          "InboundBlockABIPTTL",
          60, 31536000),
    range("SMTPOutboundNormalNextTry ExchOutboundNormalNextTry", 10, 86400),

    // Purge periods in days (0: never purge)
    daysOrOff("LogFilePurgeDays HistPurgeDays StatisticPurgeDays SpamStatisticPurgeDays "
              "SendStatisticPurgeDays"),

    // Sizes and cache slots
    range("InboundSizeLimit OutboundSizeLimit", 0, 2097151),
    range("DiskFullAlert", 0, 1000000),
    range("InboundBayesMaxSize", 1, 10485760),
    range("InboundBayesMaxWords", 1000, 100000000),
    range("InboundBlockABIPMaxSlots", 10, 1000000),
    range("InboundGreyListMaxSlots", 100, 10000000),
    range("OutboundAddressWhiteListMaxSlots", 1000, 10000000),

    // Scores, thresholds and picture sizes
    range("InboundBayesSpam InboundBlockHeurValue", 1, 100),
    range("InboundBlockABIPThreshold", 1, 1000),
    range("InboundBlockMBPHeight InboundBlockMBPWidth InboundBlockMLPHeight InboundBlockMLPWidth",
          1, 10000),

    // The console's own settings
    range("AdminLogFontSize", 6, 72),
    textRule("AdminLogFont", TextCheck::NotBlank),

    // Addresses and hosts
    textRule("Postmaster NDRFromAddress OutboundBayesFeedAddress OutboundBayesFeedAddressGood "
             "OutboundAddressWhiteListFeedAdd OutboundAddressWhiteListFeedDel",
             TextCheck::Email),
    textRule("SMTPIPAddress", TextCheck::IpAddress),
    textRule("VirusScannerClamAVHost", TextCheck::NotBlank),

    // Folders
    textRule("LogPath HistPath StatisticPath SpamStatisticPath SendStatisticPath "
             "VirusStatisticPath AdminLogPath TempPath SMIMEPath DKIMPath "
             "VirusScannerOnAccessPath",
             TextCheck::Directory),

    // List items beyond "not blank"
    textRule("SMTPNATWanIPAddress", TextCheck::IpNetwork),
    textRule("InboundSMTPAuthUserPass", TextCheck::UserPassword),
    textRule("InboundBlockCTYCountry", TextCheck::CountryCode),
};

} // namespace

const ValueRuleRow* valueRuleRows(std::size_t* count)
{
    *count = sizeof kRules / sizeof kRules[0];
    return kRules;
}

} // namespace morva::config
