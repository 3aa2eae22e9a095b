// veloranth-notify: the desktop companion. At each prayer of the selected town of data.cfg
// it shows a notification and plays the call that data.cfg asks for; it runs until it is
// stopped, one instance per desktop session.
#include <getopt.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "cli/translation.h"
#include "cli/values.h"
#include "notify/companion.h"
#include "platform/call_player.h"
#include "platform/desktop_bus.h"

namespace veloranth::notify {
namespace {

// Held on the session bus by the running instance.
constexpr char kBusName[] = "invalid.veloranth.Notify";

std::string UsageText() {
    return std::string(
               _("Usage: veloranth-notify [OPTION]...\n"
                 "Notifies the desktop at each prayer of the day (Fajr, Zuhr, Asr, Maghrib and\n"
                 "Isha, and Imsak in Ramadan) for the selected town of data.cfg, at the time of\n"
                 "the town's own clock, and plays the call that data.cfg's line 10 asks for. It\n"
                 "runs until it is stopped, as a systemd user service or from a session's\n"
                 "autostart; one instance runs in a session.\n")) +
           "\n" + _("Options:\n") +
           _("  -c, --config=FILE         data.cfg to read; otherwise the one veloranth-cli\n"
             "                            reads\n") +
           _("  -b, --before=MIN          also a notification MIN minutes before each prayer\n"
             "                            (1 to 120)\n") +
           _("      --no-sound            the notifications without the call\n") +
           _("      --audio-sink=ELEMENT  GStreamer's output for the call, as gst-launch-1.0\n"
             "                            writes it (pulsesink, alsasink device=hw:1);\n"
             "                            default: the desktop's\n") +
           _("  -h, --help                this text\n") +
           _("  -V, --version             the program's version\n") + "\n" +
           _("A prayer missed while the computer slept is notified when it wakes, without the\n"
             "call, if it is at most 15 minutes past; an older one is skipped. What was\n"
             "notified is kept, so a restart notifies nothing twice.\n") +
           "\n" + _("Exit status:\n") +
           _("  0  stopped, or another instance runs in this session\n"
             "  1  no session bus\n"
             "  2  an option was refused\n");
}

enum { kNoSound = 256, kAudioSink };

// False with `error` set for an option or value it does not take.
bool ParseOptions(int argc, char** argv, Settings& s, bool& help, bool& version,
                  std::string& error) {
    const option options[] = {{"config", required_argument, nullptr, 'c'},
                              {"before", required_argument, nullptr, 'b'},
                              {"no-sound", no_argument, nullptr, kNoSound},
                              {"audio-sink", required_argument, nullptr, kAudioSink},
                              {"help", no_argument, nullptr, 'h'},
                              {"version", no_argument, nullptr, 'V'},
                              {nullptr, 0, nullptr, 0}};
    opterr = 0;  // the messages are ours
    for (int value; (value = getopt_long(argc, argv, ":c:b:hV", options, nullptr)) != -1;) {
        switch (value) {
            case 'c':
                s.config = optarg;
                break;
            case 'b':
                if (!cli::ParseInt(optarg, s.beforeMinutes) || s.beforeMinutes < 1 ||
                    s.beforeMinutes > 120) {
                    error =
                        cli::Formatted(_("--before needs minutes from 1 to 120, not '%s'"), optarg);
                    return false;
                }
                break;
            case kNoSound:
                s.sound = false;
                break;
            case kAudioSink:
                s.audioSink = optarg;
                break;
            case 'h':
                help = true;
                break;
            case 'V':
                version = true;
                break;
            case ':':
                error = cli::Formatted(_("option '%s' needs a value"), argv[optind - 1]);
                return false;
            default:
                error = cli::Formatted(_("unknown option '%s'"), argv[optind - 1]);
                return false;
        }
    }
    if (optind < argc) {
        error = cli::Formatted(_("unexpected argument '%s'"), argv[optind]);
        return false;
    }
    return true;
}

}  // namespace
}  // namespace veloranth::notify

int main(int argc, char** argv) {
    using namespace veloranth;
    using namespace veloranth::notify;
    cli::UseUserLanguage();
    Settings settings;
    bool help = false, version = false;
    std::string error;
    if (!ParseOptions(argc, argv, settings, help, version, error)) {
        Log(cli::Formatted(_("%s; see --help"), error.c_str()));
        return 2;
    }
    if (help || version) {
        std::fputs(help ? UsageText().c_str() : "veloranth-notify " VELORANTH_VERSION "\n", stdout);
        return std::fflush(stdout) == 0 ? 0 : 2;
    }
    switch (platform::TakeSessionName(kBusName, error)) {
        case platform::NameResult::NoBus:
            Log(cli::Formatted(_("no session bus: %s"), error.c_str()));
            return 1;
        case platform::NameResult::HeldByAnother:
            return 0;  // quietly: the session has its companion
        case platform::NameResult::Taken:
            break;
    }
    // Without a system bus, a resume still sets the realtime clock, which wakes the loop.
    if (!platform::WatchResume(error)) {
        Log(cli::Formatted(_("no system bus (%s): resumes are noticed by the clock alone"),
                        error.c_str()));
    }
    platform::OnStopAction([] { platform::StopSound(); });
    Companion companion(settings);
    return platform::RunLoop([&companion](platform::WakeReason r) { companion.OnWake(r); });
}
