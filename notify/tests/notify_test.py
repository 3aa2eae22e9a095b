#!/usr/bin/python3
# veloranth-notify end to end: private session and system buses, a recording notification
# service (testsupport/fake_desktop.py), a null audio sink, and a clock faked by libfaketime
# from a timestamp file that the test moves. A move followed by logind's PrepareForSleep(false)
# is a resume. The clock crosses Imsak and prayers live, resumes with prayers 10 and 21
# minutes past, an edit of data.cfg (another town, an Ogg call), the summer-time change, a
# restart and a second instance; every notification's text, instant and call is checked,
# none early, none twice, none lost.
#
#   notify_test.py VELORANTH-NOTIFY DATA.CFG
import calendar
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
FAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
SINK = "fakesink sync=true"  # decodes and plays in real time, to no device


def utc(text):
    return calendar.timegm(time.strptime(text, "%Y-%m-%d %H:%M:%S"))


class Run:
    def __init__(self, notify, cfg):
        self.notify, self.failures, self.procs = notify, [], []
        self.work = tempfile.mkdtemp()
        self.stamp, self.record = self.path("clock"), self.path("record.jsonl")
        self.log = open(self.path("notify.log"), "w+", encoding="utf-8")
        self.config = self.path("xdg/veloranth/data.cfg")
        os.makedirs(os.path.dirname(self.config))
        shutil.copy(cfg, self.config)
        self.env = dict(os.environ, HOME=self.path("home"), XDG_CONFIG_HOME=self.path("xdg"),
                        XDG_STATE_HOME=self.path("state"), TZ="UTC", LC_ALL="C")
        for bus in ("SESSION", "SYSTEM"):
            daemon = self.start(["dbus-daemon", "--session", "--nofork", "--print-address"],
                                stdout=subprocess.PIPE, faked=False)
            self.env["DBUS_%s_BUS_ADDRESS" % bus] = daemon.stdout.readline().decode().strip()
        self.env.update(LD_PRELOAD=FAKETIME, FAKETIME_TIMESTAMP_FILE=self.stamp,
                        FAKETIME_NO_CACHE="1", FAKETIME_DONT_FAKE_MONOTONIC="1",
                        ASAN_OPTIONS="verify_asan_link_order=0:" + os.environ.get("ASAN_OPTIONS", ""),
                        LSAN_OPTIONS="suppressions=" + os.path.join(HERE, "lsan.supp"))
        self.set_clock("2026-03-10 04:19:20")
        self.desktop = self.start(["/usr/bin/python3", os.path.join(HERE, "..", "..", "testsupport", "fake_desktop.py"),
                                   self.record], stdout=subprocess.PIPE)
        self.desktop.stdout.readline()

    def path(self, name):
        return os.path.join(self.work, name)

    def start(self, args, faked=True, **kwargs):
        proc = subprocess.Popen(args, env=self.env if faked else None, **kwargs)
        self.procs.append(proc)
        return proc

    def fail(self, text):
        self.failures.append(print("FAIL: " + text) or text)

    def set_clock(self, text):
        # An offset from the real clock, the same for every faked process whenever it reads.
        with open(self.stamp, "w") as f:
            f.write("%+d\n" % round(utc(text) - time.time()))

    def resume(self, text):
        self.set_clock(text)
        self.desktop.send_signal(signal.SIGUSR1)

    def start_notifier(self, *options, **env):
        self.env.update(env)
        self.notifier = self.start([self.notify, "--audio-sink", SINK] + list(options),
                                   stderr=self.log)

    def records(self):
        if not os.path.exists(self.record):
            return []
        with open(self.record, encoding="utf-8") as f:
            return [json.loads(line) for line in f]

    def wait(self, what, check, seconds=10):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if check():
                return True
            time.sleep(0.1)
        self.fail("waited in vain for " + what)
        return False

    def expect(self, count):
        self.wait("%d notifications" % count, lambda: len(self.records()) >= count)

    def logged(self, pattern):
        def seen():
            self.log.seek(0)
            return re.search(pattern, self.log.read(), re.M)
        return self.wait("the log line " + pattern, seen)

    def close(self):
        for proc in reversed(self.procs):
            proc.terminate()
            proc.wait()
        self.log.seek(0)
        print(self.log.read(), end="")
        shutil.rmtree(self.work)


# Summary, body, whether the call plays (the stop action), the instant it is due (UTC): the
# later of the exact time (the report's, to the second) and its shown minute; and whether it
# comes live, or at a resume some minutes late.
EXPECTED = [
    ("Imsak at 05:19: the fast begins", "Paris, France", False, "2026-03-10 04:19:25", True),
    ("Fajr at 05:29", "Paris, France", True, "2026-03-10 04:29:25", True),
    ("Zuhr at 13:01", "Paris, France", False, "2026-03-10 12:01:00", False),
    ("Maghrib at 18:39", "Marseille, France", True, "2026-03-10 17:39:00", True),
    ("Isha at 20:08", "Marseille, France", True, "2026-03-10 19:08:00", True),
    ("Fajr at 05:48", "Marseille, France", True, "2026-03-29 03:48:20", True),
    ("Zuhr dans 5 minutes (13:43)", "Marseille, France", False, "2026-03-29 11:38:00", True),
    ("Zuhr à 13:43", "Marseille, France", True, "2026-03-29 11:43:15", True),
]


def edit_config(run):
    # Another town and an Ogg file for the call, the file replaced as editors do.
    subprocess.run(["gst-launch-1.0", "-q", "audiotestsrc", "num-buffers=200",
                    "samplesperbuffer=441", "!", "audioconvert", "!", "vorbisenc", "!", "oggmux",
                    "!", "filesink", "location=" + run.path("xdg/veloranth/call.ogg")], check=True)
    with open(run.config, encoding="cp1252") as f:
        text = f.read().replace('1 2              0', '1 2              1').replace(
            '10 1         ""', '10 2         "call.ogg"')
    with open(run.config + ".new", "w", encoding="cp1252") as f:
        f.write(text)
    os.replace(run.config + ".new", run.config)


def scenario(run):
    run.start_notifier()
    run.expect(1)                                         # Imsak, live
    run.resume("2026-03-10 04:29:23")                     # Fajr, live, with the tone
    run.expect(2)
    run.logged(r"the call played: .*/call_tone\.wav \(1\.[01] s\)$")
    run.resume("2026-03-10 12:11:00")                     # Zuhr 10 min past: no call
    run.expect(3)
    run.resume("2026-03-10 15:30:00")                     # Asr 21 min past: skipped
    edit_config(run)
    run.logged(r"the prayers of Marseille, France from ")
    run.resume("2026-03-10 17:38:58")                     # Maghrib, the Ogg file
    run.expect(4)
    run.logged(r"the call played: .*/call\.ogg \(2\.0 s\)$")
    run.resume("2026-03-10 19:07:58")                     # Isha, its call stopped
    run.expect(5)
    time.sleep(0.5)
    run.desktop.send_signal(signal.SIGUSR2)
    run.logged(r"the call stopped after 0\.[0-9] s$")
    run.resume("2026-03-28 22:59:57")                     # midnight, then summer time
    time.sleep(4)
    run.resume("2026-03-29 03:48:18")
    run.expect(6)
    run.notifier.send_signal(signal.SIGTERM)              # a restart notifies Fajr no more
    run.notifier.wait()
    run.set_clock("2026-03-29 03:50:00")
    run.env.pop("LC_ALL")
    run.start_notifier("--before=5", LANG="fr_FR.UTF-8")
    run.logged(r"les prières de Marseille")
    second = run.start([run.notify], stderr=subprocess.PIPE)
    if second.wait(10) != 0 or second.stderr.read():
        run.fail("a second instance did not exit quietly")
    time.sleep(2)
    run.resume("2026-03-29 11:37:58")                     # a reminder, then Zuhr, in French
    run.expect(7)
    run.resume("2026-03-29 11:43:13")
    run.expect(8)
    time.sleep(2)


def check(run):
    got = run.records()
    if len(got) != len(EXPECTED):
        run.fail("%d notifications instead of %d: %s" % (
            len(got), len(EXPECTED), [r["summary"] for r in got]))
    for record, (summary, body, call, due, live) in zip(got, EXPECTED):
        stop = record["actions"][:1] == ["stop"]
        late = record["at"] - utc(due)
        if (record["summary"], record["body"], stop) != (summary, body, call):
            run.fail("got %r, %r, call %s; expected %r, %r, call %s" % (
                record["summary"], record["body"], stop, summary, body, call))
        if late < 0 or late > (5 if live else 15 * 60):
            run.fail("%s came %.1f s after it was due" % (summary, late))
        if stop != ("suppress-sound" in record["hints"]):
            run.fail("%s: the service's own sound is not suppressed under the call" % summary)


def main():
    run = Run(*sys.argv[1:3])
    try:
        scenario(run)
        check(run)
    finally:
        run.close()
    print("veloranth-notify: %d failures" % len(run.failures))
    return 1 if run.failures else 0


if __name__ == "__main__":
    sys.exit(main())
