#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A compressed shift of a whole line on one machine, on loopback only.

Starts a broker (scripts/broker.sh) and PostgreSQL (scripts/postgres.sh) in
a scratch folder, prepares a catalogue with korvex-catalogue, runs korvexd
under a supervisor that restarts it as its systemd unit does (2 s after a
failure), many simulated coders split over several coder-sim processes,
and a seeded day of jobs, parameter changes and faults.  At the end it
prints a table of checks and exits non-zero when any failed.

usage: soak.py --build BUILD_DIR [--seconds 1800] [--coders 1000] [--seed 1]
               [--folder DIR]

Python 3 standard library only: the bus is spoken through mosquitto_pub and
mosquitto_sub, with the few Sparkplug B fields needed coded here.
"""
import argparse
import json
import os
import random
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import threading
import time

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GROUP, NODE = "Plant", "Line1"
NODE_KEY = GROUP + "/" + NODE
TOPIC = "spBv1.0/" + GROUP + "/{}/" + NODE
BOOLEAN, STRING, INT32 = 11, 12, 3
JOB_CODERS = 6           # coders jobs run on, 127.20.0.1 ...
READER_CODERS = 2        # the last of them, each in a reader-sim with a code reader after it
LIAR = "127.20.0.200"    # keeps its own message: never verified
PANEL = "127.20.0.7"     # changes its message at its panel while printing a job; a reader after it
LIES = [("wrong-length", "127.20.1.1"), ("flood", "127.20.1.2"), ("stall", "127.20.1.3")]
MASS_PER_PROCESS = 250   # the other coders, 127.10.<n>.1 ... per process
MESSAGE = (b'{"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextContent":"LOT {{lot}}",'
           b'"TextAtX":20,"TextAtY":10,"TextFont":"DejaVu Sans,-1,120,5,50,0,0,0,0,0"}],'
           b'"BarcodeItemInfo":[{"BarAtX":20,"BarAtY":40,"BarContent":"10{{lot}}","BarMode":20,'
           b'"BarHeight":40,"BarScale":2}]}')
PLAIN = MESSAGE.replace(b"LOT {{lot}}", b"PLAIN").replace(b"10{{lot}}", b"PLAIN")
SILENT_SECONDS = 4       # a reader quiet this long while its coder prints: an alarm


# --- the few Sparkplug B fields the driver needs ----------------------------

def varint(n):
    out = bytearray()
    while True:
        b = n & 0x7F
        n >>= 7
        if n:
            out.append(b | 0x80)
        else:
            out.append(b)
            return bytes(out)


def field(number, wire, data):
    key = varint((number << 3) | wire)
    if wire == 0:
        return key + varint(data)
    return key + varint(len(data)) + data


def encode_payload(metrics):
    """metrics: [(name, datatype, value)] with bool, int or str values."""
    body = field(1, 0, int(time.time() * 1000))
    for name, datatype, value in metrics:
        m = field(1, 2, name.encode()) + field(4, 0, datatype)
        if datatype == BOOLEAN:
            m += field(14, 0, 1 if value else 0)
        elif datatype == STRING:
            m += field(15, 2, value.encode())
        else:
            m += field(10, 0, value & 0xFFFFFFFF)
        body += field(2, 2, m)
    return body


def read_fields(data):
    i, out = 0, []
    while i < len(data):
        key, i = read_varint(data, i)
        number, wire = key >> 3, key & 7
        if wire == 0:
            value, i = read_varint(data, i)
        elif wire == 2:
            size, i = read_varint(data, i)
            value, i = data[i:i + size], i + size
        elif wire == 5:
            value, i = data[i:i + 4], i + 4
        elif wire == 1:
            value, i = data[i:i + 8], i + 8
        else:
            raise ValueError("wire type {}".format(wire))
        out.append((number, wire, value))
    return out


def read_varint(data, i):
    shift = value = 0
    while True:
        b = data[i]
        i += 1
        value |= (b & 0x7F) << shift
        shift += 7
        if not b & 0x80:
            return value, i


def decode_metrics(data):
    """{name: value} of a payload's named metrics (strings, booleans, ints)."""
    metrics = {}
    for number, _, value in read_fields(data):
        if number != 2:
            continue
        name, v = None, None
        for n, wire, x in read_fields(value):
            if n == 1:
                name = x.decode("utf-8", "replace")
            elif n == 15:
                v = x.decode("utf-8", "replace")
            elif n == 14:
                v = bool(x)
            elif n in (10, 11):
                v = x
            elif n == 13 and wire == 1:
                v = struct.unpack("<d", x)[0]
        if name is not None:
            metrics[name] = v
    return metrics


# --- processes ---------------------------------------------------------------

def die_with_the_driver():
    """The child gets SIGTERM when the driver ends, even by SIGKILL (a
    test's timeout): no coder or service outlives the run."""
    import ctypes
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def free_port():
    for port in random.Random(os.getpid() + time.time()).sample(range(44000, 52000), 8000):
        with socket.socket() as s:
            try:
                s.bind(("127.0.0.1", port))
                return port
            except OSError:
                continue
    raise RuntimeError("no free port")


class Supervisor:
    """Runs korvexd as its unit does: restarted 2 s after it ends other than
    cleanly (Restart=on-failure, RestartSec=2)."""

    def __init__(self, korvexd, work, log):
        self.korvexd, self.work, self.log = korvexd, work, log
        self.process = None
        self.restarts = 0
        self.started_at = []     # (time, pid) of each start
        self.stopping = False
        self.lock = threading.Lock()
        self.thread = threading.Thread(target=self.run, daemon=True)

    def start(self):
        self.spawn()
        self.thread.start()

    def spawn(self):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
                   QT_LOGGING_RULES="korvex.*.debug=false")
        with self.lock:
            self.process = subprocess.Popen([self.korvexd], cwd=self.work, env=env,
                                            stdout=self.log, stderr=self.log,
                                            stdin=subprocess.DEVNULL,
                                            preexec_fn=die_with_the_driver)
            self.started_at.append((time.time(), self.process.pid))

    def pid(self):
        with self.lock:
            return self.process.pid if self.process and self.process.poll() is None else None

    def run(self):
        while True:
            code = self.process.wait()
            if self.stopping:
                return
            if code == 0:
                return   # a clean stop is not restarted
            time.sleep(2)
            if self.stopping:
                return
            self.restarts += 1
            self.spawn()

    def kill9(self):
        pid = self.pid()
        if pid:
            os.kill(pid, signal.SIGKILL)

    def stop(self):
        self.stopping = True
        with self.lock:
            p = self.process
        if p and p.poll() is None:
            p.terminate()
            try:
                p.wait(15)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait(5)
        return p.returncode if p else None


def wait_on(cond, test, timeout):
    """Waits under cond until test() holds; False when timeout seconds pass first."""
    deadline = time.time() + timeout
    with cond:
        while not test():
            left = deadline - time.time()
            if left <= 0:
                return False
            cond.wait(min(left, 0.5))
        return True


class Bus:
    """mosquitto_sub as the MES account, kept running across broker restarts;
    tracks the node, its devices, the command outcomes and the job states."""

    def __init__(self, port, password, job_devices, log):
        self.port, self.password, self.log = port, password, log
        self.cond = threading.Condition()
        self.outcomes = []        # (time, device, command, outcome)
        self.devices = set()      # devices born in the node's session
        self.node_born = False
        self.births = []          # times of NBIRTH
        self.job_states = {}      # device -> [(time, metrics)]
        self.job_devices = job_devices
        self.stopping = False
        self.process = None
        self.undecoded = 0
        self.thread = threading.Thread(target=self.run, daemon=True)

    def start(self):
        self.thread.start()

    def command_line(self):
        topics = ["NBIRTH/#", "NDEATH/#", "DBIRTH/#", "DDEATH/#", "NDATA/#"]
        args = ["mosquitto_sub", "-h", "127.0.0.1", "-p", str(self.port), "-u", "mes",
                "-P", self.password, "-q", "1", "-F", "%t %x", "-i",
                "soak-{}".format(os.getpid())]
        for t in topics:
            args += ["-t", "spBv1.0/{}/{}".format(GROUP, t)]
        for d in self.job_devices:
            args += ["-t", "spBv1.0/{}/DDATA/{}/{}".format(GROUP, NODE, d)]
        return args

    def run(self):
        while not self.stopping:
            self.process = subprocess.Popen(self.command_line(), stdout=subprocess.PIPE,
                                            stderr=self.log, stdin=subprocess.DEVNULL,
                                            text=True, preexec_fn=die_with_the_driver)
            for line in self.process.stdout:
                self.take(line.rstrip("\n"))
            self.process.wait()
            if not self.stopping:
                time.sleep(0.3)

    def take(self, line):
        topic, _, hexed = line.partition(" ")
        parts = topic.split("/")
        if len(parts) < 4 or parts[3] != NODE:
            return
        kind, device = parts[2], (parts[4] if len(parts) > 4 else "")
        now = time.time()
        try:
            metrics = decode_metrics(bytes.fromhex(hexed)) if kind in ("NDATA", "DDATA") else {}
        except (ValueError, IndexError):
            self.undecoded += 1
            return
        with self.cond:
            if kind == "NBIRTH":
                self.node_born = True
                self.devices = set()
                self.births.append(now)
            elif kind == "NDEATH":
                self.node_born = False
                self.devices = set()
            elif kind == "DBIRTH":
                self.devices.add(device)
            elif kind == "DDEATH":
                self.devices.discard(device)
            elif kind == "NDATA" and "Command Result/Outcome" in metrics:
                self.outcomes.append((now, metrics.get("Command Result/Device"),
                                      metrics.get("Command Result/Command"),
                                      metrics.get("Command Result/Outcome")))
            elif kind == "DDATA":
                self.job_states.setdefault(device, []).append((now, metrics))
            self.cond.notify_all()

    def publish(self, device, metrics):
        payload = encode_payload(metrics)
        with tempfile.NamedTemporaryFile(delete=False) as f:
            f.write(payload)
        try:
            return subprocess.run(["mosquitto_pub", "-h", "127.0.0.1", "-p", str(self.port),
                                   "-u", "mes", "-P", self.password, "-q", "1", "-t",
                                   TOPIC.format("DCMD") + "/" + device, "-f", f.name],
                                  stdout=self.log, stderr=self.log, timeout=10).returncode == 0
        finally:
            os.unlink(f.name)

    def wait(self, test, timeout):
        return wait_on(self.cond, test, timeout)

    def stop(self):
        self.stopping = True
        if self.process and self.process.poll() is None:
            self.process.terminate()
            self.process.wait(5)
        self.thread.join(5)


class Host:
    """soak-host: the window's own plant engine (PlantHost) on the site
    broker, as the "scada" host; job starts and ends it is told on stdin go
    out as the window's do, and their outcomes come back as JSON lines."""

    def __init__(self, program, port, password_file, log):
        self.args = [program, "--url", "mqtt://127.0.0.1:{}".format(port), "--user", "mes",
                     "--password-file", password_file, "--host-id", "scada"]
        self.log = log
        self.cond = threading.Condition()
        self.events = []        # every JSON line, in order
        self.outcomes = {}      # tag -> [outcome events]
        self.sent = {}          # tag -> the sent or refused event
        self.ready = False
        self.process = None
        self.tags = 0

    def start(self):
        self.process = subprocess.Popen(self.args, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=self.log, text=True, bufsize=1,
                                        preexec_fn=die_with_the_driver)
        threading.Thread(target=self.run, daemon=True).start()

    def run(self):
        for line in self.process.stdout:
            try:
                event = json.loads(line)
            except ValueError:
                continue
            with self.cond:
                self.events.append(event)
                kind, tag = event.get("event"), event.get("tag")
                if kind == "ready":
                    self.ready = True
                elif kind in ("sent", "refused") and tag:
                    self.sent[tag] = event
                elif kind == "outcome":
                    self.outcomes.setdefault(tag, []).append(event)
                self.cond.notify_all()

    def send(self, words):
        """Sends one command line; its tag, or None when it could not be written."""
        self.tags += 1
        tag = "w{}".format(self.tags)
        try:
            self.process.stdin.write(" ".join([words[0], tag] + words[1:]) + "\n")
            self.process.stdin.flush()
        except (OSError, ValueError):
            return None
        return tag

    def wait(self, test, timeout):
        return wait_on(self.cond, test, timeout)

    def stop(self):
        if self.process and self.process.poll() is None:
            try:
                self.process.stdin.write("stats\nquit\n")
                self.process.stdin.flush()
                self.process.wait(10)
            except (OSError, ValueError, subprocess.TimeoutExpired):
                self.process.kill()
                self.process.wait(5)
        return self.process.returncode if self.process else None


class Coders:
    """One coder-sim process: started, killed in a burst, started again."""

    def __init__(self, sim, port, source, count, folder, extra, log_path):
        self.args = [sim, "--port", str(port), "--source", source, "--count", str(count),
                     "--folder", folder, "--reconnect-interval", "500"] + extra
        self.addresses = [address_after(source, i) for i in range(count)]
        self.log_path = log_path
        self.process = None
        self.exits = []          # return codes of ends nobody asked for
        self.killing = False

    def start(self):
        log = open(self.log_path, "a")
        self.process = subprocess.Popen(self.args, stdout=log, stderr=log,
                                        stdin=subprocess.DEVNULL,
                                            preexec_fn=die_with_the_driver)
        log.close()

    def kill(self):
        self.killing = True
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait(5)

    def watch(self):
        """Starts it again when it ended on its own; the code is kept."""
        if self.process and not self.killing and self.process.poll() is not None:
            self.exits.append(self.process.returncode)
            self.start()

    def start_again(self):
        # The new process first: the sampler's watch() must never see the
        # killed one with killing already cleared (it would count it as an
        # end nobody asked for and start a second process of these coders).
        self.start()
        self.killing = False

    def stop(self):
        self.killing = True
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(5)


def address_after(source, i):
    n = struct.unpack("!I", socket.inet_aton(source))[0] + i
    return socket.inet_ntoa(struct.pack("!I", n))


def sample(pid):
    """(rss kB, open descriptors, cpu seconds) of a process, or None."""
    try:
        with open("/proc/{}/status".format(pid)) as f:
            rss = next(int(line.split()[1]) for line in f if line.startswith("VmRSS:"))
        fds = len(os.listdir("/proc/{}/fd".format(pid)))
        with open("/proc/{}/stat".format(pid)) as f:
            stat = f.read().rsplit(")", 1)[1].split()
        cpu = (int(stat[11]) + int(stat[12])) / os.sysconf("SC_CLK_TCK")
        return rss, fds, cpu
    except (OSError, StopIteration, IndexError, ValueError):
        return None


def iso(t):
    """The journal's time text of a time (UTC, milliseconds)."""
    return time.strftime("%Y-%m-%dT%H:%M:%S", time.gmtime(t)) + ".{:03d}Z".format(
        int(t * 1000) % 1000)


def slope(points):
    """Least-squares slope of [(t, y)] per minute."""
    if len(points) < 3:
        return 0.0
    n = len(points)
    mt = sum(t for t, _ in points) / n
    my = sum(y for _, y in points) / n
    var = sum((t - mt) ** 2 for t, _ in points)
    return 60 * sum((t - mt) * (y - my) for t, y in points) / var if var else 0.0


# --- the shift -----------------------------------------------------------------

class Shift:
    def __init__(self, opts):
        self.opts = opts
        self.rng = random.Random(opts.seed)
        self.folder = os.path.abspath(opts.folder)
        self.work = os.path.join(self.folder, "work")
        self.build = os.path.abspath(opts.build)
        self.tool = lambda *p: os.path.join(self.build, *p)
        self.sent = []          # dict per DCMD: time, device, command, lost_ok, lot
        self.faults = []        # (name, started, whole after seconds or None)
        self.samples = []       # (time, pid, rss, fds, cpu)
        self.coders = []
        self.mass = []
        self.stopping = threading.Event()
        self.log = subprocess.DEVNULL
        self.started_jobs = {}  # device -> lot of the job the bus said started (or may run)
        self.job_lots = []      # every lot the bus said started
        self.ended_lots = []    # every lot the bus said ended
        self.claimed = set()    # the outcomes taken by a command
        self.disk_windows = []  # (from, to) while the journal's disk was full
        self.lot_number = 0
        self.maybe_started = set()  # lots started just before a kill -9
        self.silences = []      # (device, from, alarm seen)
        self.panel_rounds = []  # (from, stopped)
        self.panel = None
        self.lying = []
        self.readers = {}
        self.expected = 0
        self.service = self.bus = self.host = None
        self.disk = None
        self.broker_dir = self.pg_dir = self.stop_code = None

    def say(self, text):
        line = "[{:7.1f}] {}".format(time.time() - self.t0, text)
        print(line, flush=True)
        if self.log is not subprocess.DEVNULL:
            self.log.write("soak " + line + "\n")
            self.log.flush()

    # setting up
    def prepare(self):
        marker = os.path.join(self.folder, ".korvex-soak")
        if os.path.isdir(self.folder) and os.listdir(self.folder):
            # Only a folder of an earlier run is emptied, never another.
            if not os.path.exists(marker):
                raise RuntimeError("{} is not empty and not a soak folder".format(self.folder))
            shutil.rmtree(self.folder)
        os.makedirs(os.path.join(self.work, "Spray"))
        open(marker, "w").close()
        self.log = open(os.path.join(self.folder, "soak.log"), "a")
        self.broker_dir = os.path.join(self.folder, "broker")
        self.pg_dir = os.path.join(self.folder, "postgres")
        self.script("broker.sh", "start", self.broker_dir)
        self.script("postgres.sh", "start", self.pg_dir)
        self.broker_port = int(open(os.path.join(self.broker_dir, "port")).read())
        self.coder_port = free_port()
        read = lambda name: open(os.path.join(self.pg_dir, name)).read().strip()
        with open(os.path.join(self.work, "Spray", "juice.spr"), "wb") as f:
            f.write(MESSAGE)
        with open(os.path.join(self.folder, "plain.spr"), "wb") as f:
            f.write(PLAIN)
        with open(os.path.join(self.work, "products.csv"), "w") as f:
            f.write("code,gtin,name,template,coders\n"
                    "OJ-1L,5901234123457,Orange juice,juice.spr,127.20.0.*\n")
        with open(os.path.join(self.work, "korvex.conf"), "w") as f:
            f.write("[server]\nport={}\n[mqtt]\nurl=mqtt://127.0.0.1:{}\ngroup={}\nnode={}\n"
                    "user=korvexd\npassword_file={}\n[database]\nhost=127.0.0.1\nport={}\n"
                    "database={}\nuser={}\npassword_file={}\nsslmode=disable\n"
                    "[jobs]\nenabled=true\nreadback_minutes=1\n".format(
                        self.coder_port, self.broker_port, GROUP, NODE,
                        os.path.join(self.broker_dir, "korvexd.password"), read("port"),
                        read("database"), read("user"), os.path.join(self.pg_dir, "password")))
            self.readers = {}   # device -> (reader port, its silence file)
            for i in range(READER_CODERS + 1):
                device = (address_after("127.20.0.1", JOB_CODERS - READER_CODERS + i)
                          if i < READER_CODERS else PANEL)
                self.readers[device] = (free_port(),
                                        os.path.join(self.folder, "silent-{}".format(device)))
                f.write("[reader.{}]\nhost=127.0.0.1\nport={}\ncoder={}\nsilent_seconds={}\n"
                        .format(i + 1, self.readers[device][0], device, SILENT_SECONDS))
        self.try_small_disk()
        for args in (["import", "products.csv"], ["approve", "juice.spr", "--signer", "Olga"]):
            done = subprocess.run([self.tool("tools", "korvex-catalogue")] + args, cwd=self.work,
                                  stdout=self.log, stderr=self.log, stdin=subprocess.DEVNULL,
                                  timeout=60)
            if done.returncode != 0:
                raise RuntimeError("korvex-catalogue {} failed (see soak.log)".format(args[0]))

    def try_small_disk(self):
        """The journal on a small filesystem of its own, to fill for a while;
        needs the right to mount (root here, not always in CI)."""
        journal = os.path.join(self.work, "journal")
        os.makedirs(journal)
        if os.geteuid() != 0 or not shutil.which("mount"):
            return
        done = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=8m,mode=0755", "tmpfs",
                               journal], stdout=self.log, stderr=self.log)
        if done.returncode == 0:
            self.disk = journal

    def script(self, name, *args):
        subprocess.run([os.path.join(SOURCE, "scripts", name)] + list(args), check=True,
                       stdout=self.log, stderr=self.log, timeout=120)

    def start_everything(self):
        # The window's engine first: a host that comes after the line hears
        # of it only with its first data.
        self.host = Host(self.tool("bench", "soak-host"), self.broker_port,
                         os.path.join(self.broker_dir, "mes.password"), self.log)
        self.host.start()
        if not self.host.wait(lambda: self.host.ready, 15):
            self.say("soak-host is not ready after 15 s; every job goes over the bus")
        self.service = Supervisor(self.tool("apps", "korvexd", "korvexd"), self.work, self.log)
        self.service.start()
        password = open(os.path.join(self.broker_dir, "mes.password")).read().strip()
        jobs = [address_after("127.20.0.1", i) for i in range(JOB_CODERS)]
        self.bus = Bus(self.broker_port, password, jobs + [LIAR, PANEL], self.log)
        self.bus.start()
        sim = self.tool("tools", "coder-sim")
        sims = os.path.join(self.folder, "sims")
        self.job_coders = Coders(sim, self.coder_port, "127.20.0.1", JOB_CODERS - READER_CODERS,
                                 os.path.join(sims, "jobs"),
                                 ["--status-interval", "100", "--message",
                                  os.path.join(self.folder, "plain.spr")],
                                 os.path.join(sims, "jobs.log"))
        self.reader_coders = []
        for device, (port, silence) in sorted(self.readers.items()):
            lie = ["--lie", "panel-change", "--lie-after", "6"] if device == PANEL else []
            group = Coders(
                self.tool("tools", "reader-sim"), self.coder_port, device, 1,
                os.path.join(sims, "reader-" + device),
                ["--status-interval", "250", "--reader-port", str(port), "--silent-while",
                 silence, "--message", os.path.join(self.folder, "plain.spr")] + lie,
                os.path.join(sims, "reader-{}.log".format(device)))
            if device == PANEL:
                self.panel = group
            else:
                self.reader_coders.append(group)
        # Coders that lie all day long: the service must serve the others.
        self.lying = [Coders(sim, self.coder_port, address, 1, os.path.join(sims, "lie-" + kind),
                             ["--status-interval", "100", "--autostart", "--lie", kind,
                              "--lie-after", "5", "--message",
                              os.path.join(self.folder, "plain.spr")],
                             os.path.join(sims, "lie-{}.log".format(kind)))
                      for kind, address in LIES]
        self.job_addresses = self.job_coders.addresses + [
            c.addresses[0] for c in self.reader_coders]
        self.liar = Coders(sim, self.coder_port, LIAR, 1, os.path.join(sims, "liar"),
                           ["--status-interval", "100", "--keep-message", "--message",
                            os.path.join(self.folder, "plain.spr")],
                           os.path.join(sims, "liar.log"))
        rest = max(0, self.opts.coders - JOB_CODERS - 1)
        n = 0
        while rest > 0:
            count = min(rest, MASS_PER_PROCESS)
            self.mass.append(Coders(sim, self.coder_port, "127.10.{}.1".format(n), count,
                                    os.path.join(sims, "mass{}".format(n)),
                                    ["--status-interval", "100", "--autostart", "--message",
                                     os.path.join(self.folder, "plain.spr")],
                                    os.path.join(sims, "mass{}.log".format(n))))
            rest -= count
            n += 1
        os.makedirs(sims, exist_ok=True)
        self.coders = ([self.job_coders, self.liar, self.panel] + self.reader_coders + self.mass
                       + self.lying)
        for c in self.coders:
            c.start()
        # Whole: every coder that does not lie about its frames is born.
        self.steady = {a for c in self.coders if c not in self.lying for a in c.addresses}
        self.expected = len(self.steady)
        threading.Thread(target=self.sampler, daemon=True).start()

    def sampler(self):
        while not self.stopping.is_set():
            pid = self.service.pid()
            s = sample(pid) if pid else None
            if s:
                self.samples.append((time.time(), pid) + s)
            for c in self.coders:
                c.watch()
            self.stopping.wait(2)

    def whole(self, reborn_after=None):
        """korvexd runs, its node is born (again after reborn_after) and
        every coder is born in it."""
        return (self.service.pid() is not None and self.bus.node_born
                and (reborn_after is None or any(t > reborn_after for t in self.bus.births))
                and len(self.bus.devices & self.steady) >= self.expected)

    def wait_whole(self, timeout, reborn_after=None):
        return self.bus.wait(lambda: self.whole(reborn_after), timeout)

    # the day's events
    def command(self, device, metrics, lost_ok=False, lot=None, via="bus"):
        names = [n for n, _, _ in metrics]
        record = {"time": time.time(), "device": device, "metrics": names,
                  "lost_ok": lost_ok, "lot": lot, "claimed": None, "via": via,
                  "expect": ", ".join(n for n in names if n != "Command/User")}
        self.sent.append(record)
        if via == "window":
            # The window's engine words the command itself: its outcome
            # says which metrics it sent.
            record["expect"] = None
            words = (["start", NODE_KEY, device, "OJ-1L", "PO-SOAK", lot] if "Job/Start" in names
                     else ["end", NODE_KEY, device])
            tag = record["tag"] = self.host.send(words)
            record["published"] = tag is not None and self.host.wait(
                lambda: tag in self.host.sent, 10) and self.host.sent[tag]["event"] == "sent"
            return record
        record["published"] = self.bus.publish(device, metrics)
        return record

    def claim(self, record):
        """Takes the first outcome not yet taken that answers the record:
        its device and commands, after it was sent.  Under the bus's lock."""
        if record["claimed"] is None:
            for i, (t, d, c, o) in enumerate(self.bus.outcomes):
                if (i not in self.claimed and t >= record["time"] - 0.05
                        and d == record["device"] and c == record["expect"]):
                    self.claimed.add(i)
                    record["claimed"] = i
                    break
        return record["claimed"] is not None

    def outcome_of(self, record, timeout):
        """The outcome of the command, None when none came in time."""
        if record.get("via") == "window":
            tag = record.get("tag")
            # The host gives up on a command after 30 s by itself.
            if not record["published"] or not self.host.wait(lambda: tag in self.host.outcomes,
                                                             40):
                return None
            event = self.host.outcomes[tag][0]
            with self.bus.cond:
                record["expect"] = event.get("command")
            self.bus.wait(lambda: self.claim(record), 5)
            return event.get("outcome")
        self.bus.wait(lambda: self.claim(record), timeout)
        with self.bus.cond:
            return self.bus.outcomes[record["claimed"]][3] if self.claim(record) else None

    def via(self):
        """A third of the jobs are started and ended from the window's engine."""
        return "window" if self.host and self.host.ready and self.rng.random() < 0.33 else "bus"

    def start_job(self, device, lost_ok=False, wait=True, via="bus"):
        self.lot_number += 1
        lot = "S{}-{:04d}".format(self.opts.seed, self.lot_number)
        record = self.command(device, [("Job/Product", STRING, "OJ-1L"),
                                       ("Job/Order", STRING, "PO-SOAK"),
                                       ("Job/Lot", STRING, lot),
                                       ("Job/Start", BOOLEAN, True),
                                       ("Command/User", STRING, "soak")], lost_ok, lot, via)
        if not wait:
            return record
        outcome = record["outcome"] = self.outcome_of(record, 15)
        if outcome == "done":
            self.started_jobs[device] = lot
            self.job_lots.append(lot)
        self.say("job {} on {} from the {}: {}".format(lot, device, via, outcome))
        if outcome == "done" and device in self.readers:
            self.print_verified(device, record["time"])
        return record

    def verified_since(self, device, since):
        return any(t >= since and m.get("Job/Verified") is True
                   for t, m in self.bus.job_states.get(device, []))

    def print_verified(self, device, since):
        """Starts printing a coder with a reader once its job is verified, so
        that the reader has prints to read."""
        if not self.bus.wait(lambda: self.verified_since(device, since), 15):
            self.say("{}: its job was not verified in 15 s".format(device))
            return None
        start = self.command(device, [("Command/Start", BOOLEAN, True),
                                      ("Command/User", STRING, "soak")])
        outcome = start["outcome"] = self.outcome_of(start, 15)
        self.say("printing on {}: {}".format(device, outcome))
        return outcome

    def lot_number_lot(self):
        return "S{}-{:04d}".format(self.opts.seed, self.lot_number)

    def panel_stopped_since(self, since):
        """The panel coder's job is no longer verified, or its reader's alarm
        is up, and it stopped printing (its own log says so)."""
        # Data comes by exception: an alarm still up from an earlier change
        # is not told again, so its latest value counts.
        states = [m for t, m in self.bus.job_states.get(PANEL, []) if t >= since]
        alarm = None
        for _, m in self.bus.job_states.get(PANEL, []):
            alarm = m.get("Reader/Alarm", alarm)
        caught = alarm is True or any(m.get("Job/State") in ("mismatch", "not verified")
                                      for m in states)
        if not caught:
            return False
        lines = open(self.panel.log_path, errors="replace").read().splitlines()
        lied = max((i for i, l in enumerate(lines) if "lying: changed its message" in l),
                   default=None)
        return lied is not None and any("stop printing" in l for l in lines[lied:])

    def reader_alarm_since(self, device, since):
        return any(t >= since and m.get("Reader/Alarm") not in (None, False, "", "none")
                   for t, m in self.bus.job_states.get(device, []))

    def end_job(self, device, via="bus"):
        record = self.command(device, [("Job/End", BOOLEAN, True),
                                       ("Command/User", STRING, "soak")], via=via)
        outcome = record["outcome"] = self.outcome_of(record, 15)
        if device in self.started_jobs and (outcome == "done" or "ended" in (outcome or "")):
            lot = self.started_jobs[device]
            self.ended_lots.append(lot)
            if lot in self.maybe_started and lot not in self.job_lots:
                self.job_lots.append(lot)  # it had been taken before the kill
        if outcome == "done" or "no job runs" in (outcome or "") or "ended" in (outcome or ""):
            self.started_jobs.pop(device, None)
        self.say("end of the job on {} from the {}: {}".format(device, via, outcome))

    def change_parameter(self):
        device = self.rng.choice(self.job_addresses)
        speed = self.rng.randrange(10, 300)
        record = self.command(device, [("Parameters/Line Speed", INT32, speed),
                                       ("Command/User", STRING, "soak")])
        record["outcome"] = self.outcome_of(record, 15)
        self.say("line speed {} on {}: {}".format(speed, device, record["outcome"]))

    def routine(self):
        """A job started or ended, or a parameter changed."""
        free = [d for d in self.job_addresses if d not in self.started_jobs]
        roll = self.rng.random()
        if roll < 0.25:
            self.change_parameter()
        elif free and (roll < 0.65 or not self.started_jobs):
            self.start_job(self.rng.choice(free), via=self.via())
        elif self.started_jobs:
            self.end_job(self.rng.choice(sorted(self.started_jobs)), via=self.via())

    def fault(self, name):
        started = time.time()
        reborn = name in ("broker restart", "kill -9 of korvexd mid-send")
        self.say("fault: " + name)
        if name == "coders disconnect in a burst":
            victim = self.rng.choice(self.mass) if self.mass else self.job_coders
            victim.kill()
            time.sleep(self.rng.uniform(1, 4))
            victim.start_again()
        elif name == "a lying coder is given a job":
            # Until its job is taken (the catalogue may just be back).
            for _ in range(3):
                record = self.start_job(LIAR)
                if record.get("outcome") == "done":
                    break
                time.sleep(3)
            self.liar_job = record.get("outcome")
            time.sleep(3)
            start = self.command(LIAR, [("Command/Start", BOOLEAN, True),
                                        ("Command/User", STRING, "soak")])
            outcome = start["outcome"] = self.outcome_of(start, 15)
            self.liar_start_outcome = outcome
            self.say("Command/Start on the liar: {}".format(outcome))
            self.end_job(LIAR)
        elif name == "broker restart":
            self.script("broker.sh", "restart", self.broker_dir)
        elif name == "PostgreSQL restart":
            self.script("postgres.sh", "pause", self.pg_dir)
            time.sleep(self.rng.uniform(2, 5))
            self.script("postgres.sh", "resume", self.pg_dir)
        elif name == "kill -9 of korvexd mid-send":
            free = [d for d in self.job_addresses if d not in self.started_jobs]
            device = self.rng.choice(free or self.job_addresses)
            self.start_job(device, lost_ok=True, wait=False)
            time.sleep(self.rng.uniform(0.0, 0.15))
            self.service.kill9()
            # Its jobs are known again after the restart and are ended then;
            # the one started under the kill may have been taken or not.
            self.started_jobs.setdefault(device, self.lot_number_lot())
            self.maybe_started.add(self.started_jobs[device])
        elif name == "a coder's message is changed at its panel":
            if PANEL in self.started_jobs:
                self.end_job(PANEL)
            since = time.time()
            self.start_job(PANEL, via=self.via())
            stopped = False
            if PANEL in self.started_jobs:
                # It prints the job, changes its message after 6 s, and the
                # reader or the read-back must stop it.
                stopped = self.bus.wait(lambda: self.panel_stopped_since(since), 40)
                self.end_job(PANEL)
            self.panel_rounds.append((since, stopped))
            self.say("message changed at the panel of {}: stopped {}".format(PANEL, stopped))
        elif name == "a code reader goes silent":
            device = self.rng.choice(sorted(d for d in self.readers if d != PANEL))
            # A job of its own, verified and printing now.
            if device in self.started_jobs:
                self.end_job(device)
            self.start_job(device)
            silence = self.readers[device][1]
            quiet_from = time.time()
            open(silence, "w").close()
            alarmed = self.bus.wait(lambda: self.reader_alarm_since(device, quiet_from),
                                    SILENT_SECONDS + 15)
            os.unlink(silence)
            self.silences.append((device, quiet_from, alarmed))
            self.say("silent reader on {}: alarm {}".format(device, alarmed))
        elif name == "journal disk full":
            filler = os.path.join(self.disk, "filler")
            full_from = time.time()
            subprocess.run(["dd", "if=/dev/zero", "of=" + filler, "bs=64k", "count=1000"],
                           stdout=self.log, stderr=self.log)
            # A job while the journal cannot be written: done only with its line.
            free = [d for d in self.job_addresses if d not in self.started_jobs]
            if free:
                self.start_job(self.rng.choice(free))
            time.sleep(self.rng.uniform(3, 6))
            os.unlink(filler)
            self.disk_windows.append((full_from, time.time()))
        whole = self.wait_whole(60, started if reborn else None)
        took = time.time() - started if whole else None
        self.faults.append((name, started - self.t0, took))
        self.say("{}: whole again after {}".format(
            name, "{:.1f} s".format(took) if took is not None else "more than 60 s"))

    def day(self):
        faults = ["coders disconnect in a burst", "a lying coder is given a job",
                  "broker restart", "PostgreSQL restart", "kill -9 of korvexd mid-send",
                  "a code reader goes silent", "a coder's message is changed at its panel"]
        if self.disk:
            faults.append("journal disk full")
        rounds = max(1, int(self.opts.seconds // 300))
        plan = [f for _ in range(rounds) for f in faults]
        if rounds > 1:
            plan += [self.rng.choice(faults) for _ in range(rounds)]
        self.rng.shuffle(plan)
        begin, end = self.t0 + 0.15 * self.opts.seconds, self.t0 + 0.85 * self.opts.seconds
        times = sorted(self.rng.uniform(begin, end) for _ in plan)
        self.fault_times = list(zip(times, plan))
        while time.time() < self.t0 + self.opts.seconds - 10 or self.fault_times:
            if self.fault_times and time.time() >= self.fault_times[0][0]:
                self.fault(self.fault_times.pop(0)[1])
                continue
            self.routine()
            time.sleep(self.rng.uniform(1, 3))
        for device in sorted(self.started_jobs):
            self.end_job(device)
        time.sleep(3)   # the last outcomes arrive

    def run(self):
        self.t0 = time.time()
        self.prepare()
        self.say("catalogue ready; {} coders on port {}, broker on {}".format(
            self.opts.coders, self.coder_port, self.broker_port))
        self.start_everything()
        ok = self.wait_whole(120)
        self.say("all {} coders born: {} after {:.1f} s".format(
            self.expected, ok, time.time() - self.t0))
        self.t0 = time.time()
        self.day()

    # the end
    def cleanup(self):
        if self.stopping.is_set():
            return self.stop_code
        self.stopping.set()
        code = None
        if self.service:
            code = self.service.stop()
        for c in self.coders:
            c.stop()
        if self.bus:
            self.bus.stop()
        if self.host:
            self.host_code = self.host.stop()
        self.stop_code = code
        return code

    def stop_servers(self):
        for name, d in (("broker.sh", getattr(self, "broker_dir", None)),
                        ("postgres.sh", getattr(self, "pg_dir", None))):
            if d:
                try:
                    self.script(name, "stop", d)
                except (subprocess.SubprocessError, OSError) as e:
                    print("cleanup: {} stop: {}".format(name, e), file=sys.stderr)
        self.broker_dir = self.pg_dir = None

    def release_disk(self):
        if self.disk:
            # The journal stays in the folder, beside its small filesystem.
            shutil.copytree(self.disk, self.disk + ".kept", dirs_exist_ok=True)
            subprocess.run(["umount", "-l", self.disk], stdout=self.log, stderr=self.log)
            self.disk = None

    def journal_lines(self):
        lines, bad = [], 0
        folder = os.path.join(self.work, "journal")
        for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
            if name.endswith(".jsonl"):
                with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
                    for line in f:
                        try:
                            lines.append(json.loads(line))
                        except ValueError:
                            bad += 1
        return lines, bad

    def checks(self, exit_code):
        rows = []

        def row(name, expected, found, ok):
            rows.append((name, str(expected), str(found), ok))

        # Outcomes: each command's outcomes are those of its device between
        # it and the next command sent to that device.
        with self.bus.cond:
            for r in self.sent:
                self.claim(r)
            # The window's engine asks the node for rebirths itself (its seq
            # checks); those outcomes answer no command of the driver.
            rebirths = sum(1 for i, o in enumerate(self.bus.outcomes)
                           if i not in self.claimed and o[2] == "Node Control/Rebirth")
            extra = len(self.bus.outcomes) - len(self.claimed) - rebirths
        missing = sum(1 for r in self.sent if r["claimed"] is None and not r["lost_ok"])
        lost = sum(1 for r in self.sent if r["claimed"] is None and r["lost_ok"])
        with open(os.path.join(self.folder, "commands.json"), "w") as f:
            json.dump({"sent": self.sent, "outcomes": self.bus.outcomes}, f, indent=1)
        unpublished = sum(1 for r in self.sent if not r.get("published"))
        window = [r for r in self.sent if r.get("via") == "window"]
        twice = [r["tag"] for r in window if len(self.host.outcomes.get(r.get("tag"), [])) > 1]
        row("commands from the window's engine (soak-host)", "each answered once there",
            "{} sent, {} answered, {} twice".format(
                len(window), sum(1 for r in window if r.get("tag") in self.host.outcomes),
                len(twice)), not twice and all(r.get("tag") in self.host.outcomes or r["lost_ok"]
                                               for r in window))
        stats = [e for e in self.host.events if e.get("event") == "stats"]
        if stats:
            row("the window's engine: births, rebirths asked, messages refused", "-",
                "{}, {}, {} {}".format(stats[-1].get("births"), stats[-1].get("rebirthsAsked"),
                                       stats[-1].get("refused"),
                                       json.dumps(stats[-1].get("refusals") or {})), None)
        row("soak-host clean stop", "exit 0", "exit {}".format(getattr(self, "host_code", None)),
            getattr(self, "host_code", None) == 0)
        row("DCMDs published", "all", "{} of {}".format(len(self.sent) - unpublished,
                                                        len(self.sent)), unpublished == 0)
        row("exactly one outcome per command (bus and window)", "0 missing, 0 without a command",
            "{} missing, {} without a command, {} lost with a kill -9, {} rebirths the window "
            "asked".format(missing, extra, lost, rebirths), missing == 0 and extra == 0 and len(self.sent) > 0)

        # The journal: a job's start and its end are one line each, named by
        # its lot; a start the bus was not told of (the service killed under
        # it) may have its line or none, never two.
        lines, bad = self.journal_lines()
        started, ended = {}, {}
        for l in lines:
            if l.get("action") == "job started":
                started[l.get("lot")] = started.get(l.get("lot"), 0) + 1
            elif l.get("action") == "job ended":
                ended[l.get("lot")] = ended.get(l.get("lot"), 0) + 1
        # While the journal's disk is full a job still starts (users are off)
        # and korvexd says the line it could not write: at most one then.
        while_full = {r["lot"] for r in self.sent if r["lot"] and any(
            a <= r["time"] <= b for a, b in self.disk_windows)}
        wrong = [lot for lot in self.job_lots
                 if started.get(lot) != 1 and not (lot in while_full and not started.get(lot))]
        wrong += [lot for lot in self.ended_lots if ended.get(lot) != 1]
        wrong += [r["lot"] for r in self.sent if r["lot"] and r["lot"] not in self.job_lots
                  and started.get(r["lot"], 0) > (1 if r["lost_ok"] else 0)]
        row("journal: one line per job started and per job ended",
            "{} started, {} ended".format(len(self.job_lots), len(self.ended_lots)),
            "{} wrong{}".format(len(wrong), (": " + ", ".join(wrong[:3])) if wrong else ""),
            not wrong)
        # Each job message sent has its "message sent" line.  With users off
        # the journal does not hold production up: a line it could not write
        # (its disk full) is said in the service's log instead.
        files = {l.get("file") for l in lines if l.get("action") == "message sent"}
        # (A job started under a kill -9 may have died before its message went.)
        unjournaled = [r for r in self.sent if r["lot"] in self.job_lots
                       and r["lot"] not in self.maybe_started
                       and "job-PO-SOAK-{}.spr".format(r["lot"]) not in files]
        said = open(os.path.join(self.folder, "soak.log"), errors="replace").read().count(
            "Not in the journal (message sent)")
        excused = [r for r in unjournaled
                   if any(a <= r["time"] <= b for a, b in self.disk_windows)]
        row("journal: a \"message sent\" line per job sent",
            "all; else said, while its disk is full",
            "{} without, {} said in the log, {} while full".format(
                len(unjournaled), said, len(excused)),
            len(excused) == len(unjournaled) and said >= len(unjournaled))
        row("journal lines that do not parse", 0, bad, bad == 0)
        verify = subprocess.run([self.tool("tools", "korvex-journal"), "verify",
                                 os.path.join(self.work, "journal")], capture_output=True,
                                text=True, timeout=120)
        row("korvex-journal verify", "exit 0", "exit {} {}".format(
            verify.returncode, (verify.stdout + verify.stderr).strip()[:80]),
            verify.returncode == 0)

        liar_log = open(self.liar.log_path, errors="replace").read()
        liar_prints = liar_log.count("start printing")
        liar_verified = sum(1 for _, m in self.bus.job_states.get(LIAR, [])
                            if m.get("Job/Verified") is True)
        outcome = getattr(self, "liar_start_outcome", None)
        job = getattr(self, "liar_job", None)
        row("lying coder never printed nor verified", "0 prints, 0 verified, start refused",
            "{} prints, {} verified, start: {}{}".format(
                liar_prints, liar_verified, outcome,
                "" if job in (None, "done") else " (its job was refused: {})".format(job)),
            (liar_prints == 0 and liar_verified == 0 and bool(outcome)
             and outcome.startswith("refused")) if job in (None, "done") else None)

        # A job coder prints only a job message it holds, and only when the
        # service started it: never more starts than accepted Command/Starts.
        unjobbed, extra_starts = 0, 0
        for group in [self.job_coders] + self.reader_coders:
            holding, starts = {}, {}
            for line in open(group.log_path, errors="replace"):
                head, _, what = line.partition(": ")
                if what.startswith("stored "):
                    holding[head] = what.startswith("stored job-")
                elif what.startswith("start printing"):
                    starts[head] = starts.get(head, 0) + 1
                    if not holding.get(head):
                        unjobbed += 1
            for i, device in enumerate(group.addresses):
                accepted = sum(1 for r in self.sent if r["device"] == device
                               and r["expect"] == "Command/Start" and r.get("outcome") == "done")
                extra_starts += max(0, starts.get("coder {}".format(i + 1), 0) - accepted)
        printed = sum(1 for r in self.sent if r["expect"] == "Command/Start"
                      and r.get("outcome") == "done")
        row("job coders printed only verified job messages they hold",
            "0 without a job message, 0 not started by the service",
            "{} without, {} not started by it ({} starts)".format(unjobbed, extra_starts,
                                                                  printed),
            unjobbed == 0 and extra_starts == 0)

        listed = subprocess.run([self.tool("tools", "korvex-catalogue"), "jobs"], cwd=self.work,
                                capture_output=True, text=True, timeout=60)
        with open(os.path.join(self.folder, "jobs.txt"), "w") as f:
            f.write(listed.stdout + listed.stderr)
        records = {l.split("\t")[4]: l.split("\t")[6] for l in listed.stdout.splitlines()
                   if len(l.split("\t")) >= 7}
        absent = [lot for lot in self.job_lots if lot not in records]
        row("job records in the database", "{} started jobs".format(len(self.job_lots)),
            "{} absent{}".format(len(absent), (": " + ", ".join(absent[:3])) if absent else ""),
            listed.returncode == 0 and not absent and len(self.job_lots) > 0)
        open_ended = [lot for lot in self.ended_lots if records.get(lot) == "running"]
        row("ended jobs recorded as ended", "{} ended".format(len(self.ended_lots)),
            "{} still running{}".format(len(open_ended), (": " + ", ".join(open_ended[:3]))
                                        if open_ended else ""), not open_ended)
        # Jobs the service was killed under are known again after the restart
        # and ended at the end of the day like the others.
        orphans = sorted(lot for lot, state in records.items() if state == "running")
        row("jobs left running at the end (kill -9 ones too)", 0,
            "{}{}".format(len(orphans), (": " + ", ".join(orphans[:3])) if orphans else ""),
            listed.returncode == 0 and not orphans)

        exits = [(os.path.basename(c.log_path), e) for c in self.coders for e in c.exits]
        row("coder-sim processes that ended on their own", 0, "{}{}".format(
            len(exits), (": " + ", ".join("{} code {}".format(*e) for e in exits[:3]))
            if exits else ""), not exits)
        kills = sum(1 for f in self.faults if f[0].startswith("kill -9"))
        row("korvexd restarts by the supervisor", "{} (the kills)".format(kills),
            self.service.restarts, self.service.restarts == kills)
        row("korvexd clean stop", "exit 0", "exit {}".format(exit_code), exit_code == 0)

        # Memory and descriptors of the longest life of the service, after
        # its first 20 s.
        lives = {}
        for s in self.samples:
            lives.setdefault(s[1], []).append(s)
        life = max(lives.values(), key=lambda l: l[-1][0] - l[0][0]) if lives else []
        warm = [s for s in life if s[0] - life[0][0] >= 20] if life else []
        span = warm[-1][0] - warm[0][0] if len(warm) > 1 else 0
        rss_slope = slope([(s[0], s[2]) for s in warm])
        fd_slope = slope([(s[0], s[3]) for s in warm])
        judged = span >= 60
        if warm:
            row("VmRSS of korvexd after warm-up", "slope near 0 (< 1024 kB/min)",
                "{}..{} kB, {:+.0f} kB/min over {:.0f} s".format(
                    min(s[2] for s in warm), max(s[2] for s in warm), rss_slope, span),
                (abs(rss_slope) < 1024) if judged else None)
            row("open descriptors of korvexd", "slope near 0 (< 5 /min)",
                "{}..{}, {:+.1f} /min".format(min(s[3] for s in warm), max(s[3] for s in warm),
                                              fd_slope), (abs(fd_slope) < 5) if judged else None)
        else:
            row("VmRSS and descriptors of korvexd", "samples after warm-up", "none", False)
        cpu = []
        for l in lives.values():
            if len(l) > 1 and l[-1][0] > l[0][0]:
                cpu.append((l[-1][4] - l[0][4]) / (l[-1][0] - l[0][0]))
        if cpu:
            row("CPU of korvexd", "-", "{:.0f}% of a core (mean of {} lives)".format(
                100 * sum(cpu) / len(cpu), len(cpu)), None)
        for name, at, took in self.faults:
            row("whole again: " + name + " at {:.0f} s".format(at), "< 60 s",
                "{:.1f} s".format(took) if took is not None else "never", took is not None)
        if not self.disk_tried:
            row("journal disk full", "a small filesystem", "cannot mount here", None)
        missed = [t for t, stopped in self.panel_rounds if not stopped]
        row("a message changed at the coder's panel stopped it",
            "{} changes".format(len(self.panel_rounds)),
            "{} not stopped in 40 s".format(len(missed)),
            not missed if self.panel_rounds else None)
        for group, (kind, _) in zip(self.lying, LIES):
            text = open(group.log_path, errors="replace").read()
            row("a coder that lies all day: " + kind, "lied; the others served",
                "lied {} times, connected {} times".format(text.count("lying:"),
                                                           text.count("connected to")),
                text.count("lying:") > 0)
        quiet = [d for d, _, alarmed in self.silences if not alarmed]
        row("a silent reader raised its alarm", "{} silences".format(len(self.silences)),
            "{} without an alarm".format(len(quiet)), not quiet if self.silences else None)
        for device in sorted(self.readers):
            last = {}
            for _, m in self.bus.job_states.get(device, []):
                last.update({k: v for k, v in m.items() if k.startswith("Reader/")})
            row("reads of the reader after " + device, "-", "good {}, bad {}, no read {}".format(
                last.get("Reader/Good"), last.get("Reader/Bad"), last.get("Reader/No Read")),
                None)
        return rows


# None: said, not judged (a figure, or what this run could not do).
RESULT = {True: "pass", False: "FAIL", None: "said"}


def print_table(rows, out=sys.stdout):
    widths = [max(len(r[i]) for r in rows + [("check", "expected", "found", True)])
              for i in range(3)]
    head = "| {:<{}} | {:<{}} | {:<{}} | {} |".format("check", widths[0], "expected", widths[1],
                                                     "found", widths[2], "result")
    print(head, file=out)
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|--------|", file=out)
    for name, expected, found, ok in rows:
        print("| {:<{}} | {:<{}} | {:<{}} | {} |".format(name, widths[0], expected, widths[1],
                                                         found, widths[2],
                                                         RESULT[ok]), file=out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(SOURCE, "build"))
    parser.add_argument("--seconds", type=int, default=1800)
    parser.add_argument("--coders", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--folder", default=None)
    opts = parser.parse_args()
    if opts.coders < JOB_CODERS + 1 or opts.coders > 10000 or opts.seconds < 60:
        parser.error("--coders from {} to 10000, --seconds at least 60".format(JOB_CODERS + 1))
    if opts.folder is None:
        opts.folder = tempfile.mkdtemp(prefix="korvex-soak-")
    shift = Shift(opts)
    shift.disk_tried = False
    rows, failed = [], True
    stop = lambda *_: (_ for _ in ()).throw(KeyboardInterrupt())
    signal.signal(signal.SIGTERM, stop)
    # Bounded: whatever hangs, the run ends and cleans up.
    watchdog = threading.Timer(opts.seconds + 300, os.kill, (os.getpid(), signal.SIGTERM))
    watchdog.daemon = True
    watchdog.start()
    try:
        shift.run()
        shift.disk_tried = shift.disk is not None
        code = shift.cleanup()
        rows = shift.checks(code)
        failed = any(ok is False for *_, ok in rows)
    except KeyboardInterrupt:
        print("interrupted", file=sys.stderr)
    except Exception as e:  # noqa: BLE001: said, cleaned up, failed
        print("soak: {}: {}".format(type(e).__name__, e), file=sys.stderr)
    finally:
        shift.cleanup()
        shift.stop_servers()
        shift.release_disk()
    if rows:
        print_table(rows)
        with open(os.path.join(shift.folder, "table.md"), "w") as f:
            print_table(rows, f)
    print("folder: {}".format(shift.folder))
    return 1 if failed or not rows else 0


if __name__ == "__main__":
    sys.exit(main())
