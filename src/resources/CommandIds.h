#pragma once

// Numeric ids of the console's commands. Menus, toolbar, accelerators and
// the status-bar prompts (string resource = command id, Texts.h) use them;
// the numbers are kept because the prompts' language offsets build on them.
namespace morva::command {

// File
constexpr int Print = 57607;
constexpr int PrintSetup = 57606;
constexpr int Exit = 57665;
// Edit
constexpr int Undo = 57643;
constexpr int Cut = 57635;
constexpr int Copy = 57634;
constexpr int Paste = 57637;
constexpr int Find = 57636;
constexpr int Refresh = 6002;
constexpr int RecreateLogView = 6001; // no menu entry
// Exchange and service
constexpr int ExchangeDomains = 6011;
constexpr int ExchangeAddresses = 6010;
constexpr int JunkMailAddOn = 6031;
constexpr int Service = 6035;
// Records
constexpr int Forwarding = 6008;
constexpr int SmtpBlocking = 6009;
constexpr int TranslateDomain = 6026;
constexpr int TranslateMailbox = 6027;
constexpr int TranslateDomainToAddress = 6028;
constexpr int RewriteDomain = 6029;
constexpr int RewriteMailbox = 6030;
// Configuration
constexpr int AdvancedConfiguration = 6006;
constexpr int AllSettings = 6060;
constexpr int ConfigurationHistory = 6061;
constexpr int Statistic = 6012;
constexpr int OptionsGeneral = 6036;
constexpr int OptionsBlocking = 6037;
constexpr int OptionsSpam = 6038;
constexpr int OptionsClamAV = 6042;
constexpr int OptionsSession = 6039;
constexpr int OptionsSystem = 6040;
constexpr int OptionsVirus = 6041;
constexpr int OptionsTransit = 6043;
constexpr int OptionsSmime = 6045;
constexpr int OptionsDkim = 6046;
constexpr int OptionsTls = 6047;
constexpr int OptionsGlobalExclude = 6044;
// View
constexpr int ToggleToolbar = 59392;
constexpr int ToggleStatusBar = 59393;
// Signals to the gateway (service/SignalFiles.h maps them to file names)
constexpr int SignalDeliver = 6013;
constexpr int SignalStatistics = 6014;
constexpr int SignalQueue = 6015;
constexpr int SignalSendLog = 6016;
constexpr int SignalRestart = 6017;
constexpr int SignalPackWhiteList = 6018;
// Help and web pages
constexpr int HelpDocumentation = 6019;
constexpr int HelpAdminister = 6020;
constexpr int HelpTroubleshooting = 6021;
constexpr int HelpFightSpam = 6023;
constexpr int HelpOperationsGuide = 6024;
constexpr int HelpTightenSecurity = 6022;
constexpr int SpamReportHomePage = 6032;
constexpr int AddOnMakerHomePage = 6033;
constexpr int SupportRequest = 6025;
constexpr int HomePage = 6000;
constexpr int OnlineOrder = 5099;
constexpr int About = 57664;
// Toolbar only (Enter, Delete): no action, always disabled
constexpr int ToolbarOpen = 6003;
constexpr int ToolbarDelete = 6004;
constexpr int ToolbarNew = 6007;

// String resources that are not commands.
constexpr int ReadyPrompt = 57345; // "Ready" in status pane 0

// Status bar pane ids, in pane order (index 0 is the message pane).
constexpr int PaneMessage = 0;
constexpr int PaneLocked = 59142;
constexpr int PaneCapsLock = 59137;
constexpr int PaneNumLock = 59138;
constexpr int PaneProgress = 59143;

} // namespace morva::command
