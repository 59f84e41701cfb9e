#include "Traffic.h"

#include <cstdio>
#include <string>

namespace morva::gwsim {

namespace {

const char* const kSenders[] = {
    "newsletter@shop.example",   "j.berger@partner-firm.example", "info@bank-offers.example",
    "noreply@tickets.example",   "m.rossi@fornitore.example",     "a.dupont@client.example",
    "sales@cheap-pills.example", "hr@brentmoor-demo.example",     "l.garcia@proveedor.example",
};
const char* const kRecipients[] = {
    "j.meier@brentmoor-demo.example",  "k.huber@brentmoor-demo.example",
    "office@brentmoor-demo.example",   "support@brentmoor-demo.example",
    "f.martin@brentmoor-demo.example",
};
const char* const kSubjects[] = {
    "Quarterly report",  "Grüße aus Zürich – Angebot",
    "Réunion de lundi",  "Ordine n. 4711",
    "Factura pendiente", "You have WON!!!",
    "Invoice 2026-118",  "Lunch?",
};
const char* const kHosts[] = {
    "mail.partner-firm.example", "mx1.shop.example",       "smtp.client.example",
    "relay.bulk-sender.example", "mail.fornitore.example",
};

std::string address(std::uint32_t client)
{
    char text[24];
    std::snprintf(text, sizeof text, "198.51.100.%u", client % 254 + 1);
    return text;
}

} // namespace

Traffic::Traffic(std::uint32_t seed) : m_random(seed) {}

LogEntry Traffic::hostile(std::uint64_t k)
{
    using namespace std::string_literals;
    static const std::string kLines[] = {
        "Subject: \xC3\x28 invalid \xFF\xFE UTF-8 \xE2\x82 cut"s,
        "Header with a NUL \0 byte inside"s,
        "Subject: <b>Bold</b> <a href=\"http://evil.example/\">click</a> <script>alert(1)</script>"s,
        "Terminal \x1B[31mred\x1B[0m, bell \a, backspace \b, tab \t, CR \r in the middle"s,
        "From: &lt;entity&gt; &amp; %s %n %x {0} ${PATH}"s,
    };
    const std::uint64_t which = k % (std::size(kLines) + 2);
    if (which == std::size(kLines))
        return LogEntry{-1, "short"}; // shorter than the layout's 16 characters
    if (which == std::size(kLines) + 1)
        return LogEntry{-1, "12345 digits without a colon"};
    return LogEntry{static_cast<int>(k % 48) + 1, kLines[which]};
}

LogEntry Traffic::longLine(std::size_t bytes)
{
    std::string text = "Long line: ";
    while (text.size() < bytes)
        text += "0123456789abcdefghijklmnopqrstuvwxyz ";
    text.resize(bytes);
    return LogEntry{0, std::move(text)};
}

Traffic::Session Traffic::newSession()
{
    Session session;
    session.thread = m_nextThread;
    m_nextThread = m_nextThread % 48 + 1;
    const std::uint32_t roll = pick(100);
    session.kind = roll < 55   ? 0
                   : roll < 70 ? 1
                   : roll < 80 ? 2
                   : roll < 83 ? 3
                   : roll < 95 ? 4
                               : 5;
    session.client = static_cast<std::uint32_t>(m_random());
    session.size = 2000 + pick(80000);
    return session;
}

void Traffic::next(std::size_t count, std::vector<LogEntry>& out)
{
    out.reserve(out.size() + count);
    while (count-- > 0) {
        // Keep a handful of sessions in flight and take turns among them.
        if (m_sessions.size() < 4 || (m_sessions.size() < 8 && pick(4) == 0))
            m_sessions.push_back(newSession());
        const std::size_t which = pick(static_cast<std::uint32_t>(m_sessions.size()));
        bool finished = false;
        out.push_back(step(m_sessions[which], &finished));
        if (finished)
            m_sessions.erase(m_sessions.begin() + static_cast<long>(which));
    }
}

LogEntry Traffic::step(Session& s, bool* finished)
{
    Counters& c = m_counters;
    const int t = s.thread;
    const std::string sender = kSenders[s.client % std::size(kSenders)];
    const std::string recipient = kRecipients[(s.client >> 8) % std::size(kRecipients)];
    const std::string host = kHosts[(s.client >> 16) % std::size(kHosts)];
    auto line = [&](std::string text) { return LogEntry{t, std::move(text)}; };
    const int at = s.step++;

    if (s.kind == 4) { // outbound
        switch (at) {
        case 0:
            ++c.connectionsOutbound;
            ++c.outboundQueue;
            return line("Outbound delivery of " + std::to_string(m_messageId++) + " to " + host);
        case 1:
            return line("Connected to " + host + " (" + address(s.client) + ")");
        case 2:
            return line("STARTTLS: TLSv1.3 TLS_AES_256_GCM_SHA384");
        default:
            *finished = true;
            ++c.messagesSentOutbound;
            if (c.outboundQueue)
                --c.outboundQueue;
            return line("250 2.0.0 Ok: queued as " + std::to_string(s.client % 100000) +
                        ", delivered " + std::to_string(s.size) + " bytes");
        }
    }

    switch (at) {
    case 0:
        ++c.connectionsInbound;
        return line("Connection accepted from " + address(s.client));
    case 1:
        return line("EHLO " + host);
    case 2:
        return line("MAIL FROM:<" + sender + "> SIZE=" + std::to_string(s.size));
    case 3:
        if (s.kind == 2) {
            *finished = true;
            ++c.blockedByRbl;
            return line("554 5.7.1 Rejected: " + address(s.client) +
                        " listed by rbl.blocklist.example");
        }
        return line("RCPT TO:<" + recipient + ">");
    case 4:
        if (s.kind == 5) {
            *finished = true;
            ++c.unknownRecipients;
            return line("550 5.1.1 <" + recipient + ">: unknown recipient (not on Exchange)");
        }
        return line("SPF pass for " + sender.substr(sender.find('@') + 1) + " (" +
                    address(s.client) + ")");
    case 5:
        ++c.messagesReceived;
        c.bytesReceived += s.size;
        return line("Subject: " + std::string(kSubjects[(s.client >> 4) % std::size(kSubjects)]));
    case 6:
        if (s.kind == 3)
            return line("ClamAV: Eicar-Test-Signature FOUND");
        return line(std::string("Bayes spam probability ") + (s.kind == 1 ? "0.99" : "0.03"));
    default:
        break;
    }
    *finished = true;
    const std::string id = std::to_string(m_messageId++);
    switch (s.kind) {
    case 1:
        if (s.client & 1) {
            ++c.spamBlocked;
            return line("Spam: message " + id + " discarded (Bayes 0.99)");
        }
        ++c.spamMarked;
        ++c.messagesDeliveredToExchange;
        return line("Spam: subject marked, message " + id + " moved to Junk-E-Mail folder");
    case 3:
        ++c.virusesFound;
        return line("Virus: message " + id + " encapsulated and forwarded to postmaster");
    default:
        ++c.messagesDeliveredToExchange;
        return line("Delivered " + id +
                    " to Exchange 10.0.0.5: 250 2.6.0 Queued mail for delivery");
    }
}

} // namespace morva::gwsim
