#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""korvexd end to end with the real broker and a client that is not ours.

Starts korvexd and a simulated coder on 127.0.0.1 and watches the Sparkplug
session with Debian's paho-mqtt and protobuf, commanding it as a plant
system would: births and deaths, seq across its wrap-around, DDATA on a
status change, DCMD start, apply and refusals, rebirth, the accounts the
broker enforces, TLS, a broker restart and a clean stop; then a service with
a primary host, whose STATE the test publishes: births held until it is
online, aliases, commands by alias, death and a new session when it goes
offline.  Every message the services publish is held to the session rules.

usage: test_korvexd.py KORVEXD CODER_SIM PROTO BROKER_DIR BROKER_SH
"""
import hashlib
import importlib
import json
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

import paho.mqtt.client as mqtt

KORVEXD, CODER_SIM, PROTO, BROKER_DIR, BROKER_SH, CATALOGUE = sys.argv[1:7]
PORT = int(open(os.path.join(BROKER_DIR, "port")).read())
TLS_PORT = int(open(os.path.join(BROKER_DIR, "tls-port")).read())
WORK = tempfile.mkdtemp(prefix="korvexd-test-")
NODE = "spBv1.0/Plant/{}/Line1"
DEVICE = "127.0.0.31"
MESSAGE = b'{"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[]}'

subprocess.run(["protoc", "--proto_path=" + os.path.dirname(PROTO), "--python_out=" + WORK, PROTO],
               check=True)
sys.path.insert(0, WORK)
pb = importlib.import_module(os.path.splitext(os.path.basename(PROTO))[0] + "_pb2")
failures = []
passes = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    (passes if condition else failures).append(what)
    return condition


def free_port():
    """A free port below the range the system hands out to outgoing sockets,
    which other tests running beside this one use by the thousand."""
    for port in range(22000 + os.getpid() % 5000, 32000):
        with socket.socket() as s:
            try:
                s.bind(("0.0.0.0", port))
                return port
            except OSError:
                continue
    raise RuntimeError("no free port")


def metrics(payload):
    return {m.name: value(m) for m in payload.metrics}


def value(m):
    kind = m.WhichOneof("value")
    return getattr(m, kind) if kind else None


class Client:
    """A paho client that keeps every message of the group, decoded."""

    def __init__(self, user, password, port=PORT, tls=False):
        self.messages = []
        self.lock = threading.Condition()
        self.result = None
        self.client = mqtt.Client(client_id="test-{}-{}".format(user, time.time()),
                                  clean_session=True)
        if user is not None:
            self.client.username_pw_set(user, password)
        if tls:
            self.client.tls_set(ca_certs=os.path.join(BROKER_DIR, "broker.crt"))
        self.client.on_connect = self.on_connect
        self.client.on_message = self.on_message
        self.client.reconnect_delay_set(0.1, 0.5)
        self.client.connect("127.0.0.1", port)
        self.client.loop_start()

    def on_connect(self, client, userdata, flags, rc):
        with self.lock:
            self.result = rc
            self.lock.notify_all()
        if rc == 0:
            client.subscribe("spBv1.0/Plant/#")
            client.subscribe("spBv1.0/STATE/+")

    def on_message(self, client, userdata, message):
        if message.topic.startswith("spBv1.0/STATE/"):
            payload = message.payload  # JSON, the host's own
        else:
            payload = pb.Payload()
            payload.ParseFromString(message.payload)
        with self.lock:
            self.messages.append((message.topic, payload))
            self.lock.notify_all()

    def wait_connected(self, timeout=5):
        with self.lock:
            self.lock.wait_for(lambda: self.result is not None, timeout)
            return self.result

    def wait_for(self, topic, test=lambda p: True, timeout=10, after=0):
        """The first message after index `after` on topic that passes test."""
        deadline = time.time() + timeout
        with self.lock:
            while True:
                for i, (t, p) in enumerate(self.messages[after:], after):
                    if t == topic and test(p):
                        return i, p
                left = deadline - time.time()
                if left <= 0:
                    return None, None
                self.lock.wait(left)

    def count(self):
        with self.lock:
            return len(self.messages)

    def command(self, topic, **named):
        self.command_by_alias(topic, {name: (None, *v) for name, v in named.items()})

    def command_by_alias(self, topic, metrics):
        """metrics: {name or None: (alias or None, datatype, field, value)}."""
        payload = pb.Payload()
        payload.timestamp = int(time.time() * 1000)
        for name, (alias, datatype, field, v) in metrics.items():
            m = payload.metrics.add()
            if name is not None:
                m.name = name
            if alias is not None:
                m.alias = alias
            m.datatype = datatype
            setattr(m, field, v)
        self.client.publish(topic, payload.SerializeToString(), qos=0)

    def state(self, online, timestamp, retain=True):
        self.client.publish("spBv1.0/STATE/scada",
                            json.dumps({"online": online, "timestamp": timestamp}), qos=1,
                            retain=retain).wait_for_publish(5)

    def stop(self):
        self.client.loop_stop()
        self.client.disconnect()


BOOLEAN, STRING, INT32 = 11, 12, 3
SEQUENCED = ("NBIRTH", "NDATA", "DBIRTH", "DDATA", "DDEATH")


def session_rule_breaches(messages, node="Line1"):
    """What breaks the rules of the facts sheet in the messages of one edge
    node, as a subscriber saw them in order: seq from 0 at each NBIRTH, up
    by one over the sequenced messages, 255 followed by 0; NDEATH without
    seq and with the bdSeq of the NBIRTH before it; bdSeq up by one for
    each new session; data only from a node and device that are born; with
    aliases, every born metric has its name and an alias unique in the
    node, and data carries the alias alone, one that was born."""
    breaches = []
    seq = None       # the last seq of the session, None before NBIRTH
    bd_seq = None    # of the current session
    born = set()     # devices born in this session
    aliases = {}     # alias -> (device, name) of this session
    uses_aliases = False
    for i, (topic, p) in enumerate(messages):
        parts = topic.split("/")
        if parts[0] != "spBv1.0" or len(parts) < 4 or parts[3] != node:
            continue
        kind, device = parts[2], (parts[4] if len(parts) > 4 else "")
        where = "message {} ({})".format(i, "/".join(parts[2:]))
        if kind in ("NCMD", "DCMD"):
            continue
        if kind == "NDEATH":
            value = metrics(p).get("bdSeq")
            if p.HasField("seq"):
                breaches.append(where + ": NDEATH with seq")
            if bd_seq is not None and value != bd_seq:
                breaches.append(where + ": bdSeq {} after a birth with {}".format(value, bd_seq))
            seq, born, aliases = None, set(), {}
            continue
        if kind not in SEQUENCED:
            continue
        if kind == "NBIRTH":
            value = metrics(p).get("bdSeq")
            if bd_seq is not None and seq is None and value != (bd_seq + 1) % 256:
                breaches.append(where + ": bdSeq {} after {}".format(value, bd_seq))
            if p.seq != 0:
                breaches.append(where + ": NBIRTH with seq {}".format(p.seq))
            bd_seq, seq, born = value, 0, set()
            aliases = {a: k for a, k in aliases.items() if k[0] == ""}
            uses_aliases = any(m.HasField("alias") for m in p.metrics)
        elif seq is None:
            breaches.append(where + ": before NBIRTH")
            continue
        else:
            if p.seq != (seq + 1) % 256:
                breaches.append(where + ": seq {} after {}".format(p.seq, seq))
            seq = p.seq
        if kind == "DBIRTH":
            born.add(device)
            aliases = {a: k for a, k in aliases.items() if k[0] != device}
        if kind in ("DDATA", "DDEATH") and device not in born:
            breaches.append(where + ": the device is not born")
        if kind == "DDEATH":
            born.discard(device)
        for m in p.metrics:
            if not uses_aliases:
                if not m.name:
                    breaches.append(where + ": a metric without a name")
                continue
            if kind.endswith("BIRTH"):
                if not m.name or not m.HasField("alias"):
                    breaches.append(where + ": {} born without name and alias".format(m.name))
                elif aliases.get(m.alias, (device, m.name)) != (device, m.name):
                    breaches.append(where + ": alias {} given twice".format(m.alias))
                else:
                    aliases[m.alias] = (device, m.name)
            elif m.name or aliases.get(m.alias, ("?",))[0] != device:
                breaches.append(where + ": data by name or by an alias not born ({} {})".format(
                    m.name, m.alias))
    return breaches


def by_alias(payload, aliases):
    """The values of a payload whose metrics carry aliases, by name."""
    return {aliases.get(m.alias, m.name): value(m) for m in payload.metrics}


def journal_lines():
    """The whole lines of the service's journal, oldest first."""
    lines = []
    folder = os.path.join(WORK, "journal")
    for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
        if name.endswith(".jsonl"):
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                lines += [json.loads(line) for line in f if line.endswith("\n")]
    return lines


def start(name):
    return {"Command/" + name: (BOOLEAN, "boolean_value", True)}


def result_after(client, after, outcome_test, timeout=10):
    return client.wait_for(NODE.format("NDATA"),
                           lambda p: outcome_test(metrics(p).get("Command Result/Outcome", "")),
                           timeout, after)


def tls_refusal():
    """What korvexd says when the broker's certificate does not verify: a
    CA of its own that did not sign it."""
    work = tempfile.mkdtemp(prefix="tls-", dir=WORK)
    ca = os.path.join(work, "other.crt")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                    "-subj", "/CN=other", "-keyout", os.path.join(work, "other.key"), "-out", ca],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(os.path.join(work, "korvex.conf"), "w") as f:
        f.write("[server]\nport={}\n[mqtt]\nurl=mqtts://127.0.0.1:{}\ngroup=Plant\nnode=Line1\n"
                "user=korvexd\npassword_file={}\nca_file={}\n".format(
                    free_port(), TLS_PORT, os.path.join(BROKER_DIR, "korvexd.password"), ca))
    service = subprocess.Popen([KORVEXD], cwd=work, stderr=subprocess.PIPE, text=True)
    lines = []
    reader = threading.Thread(target=lambda: lines.extend(service.stderr), daemon=True)
    reader.start()
    deadline = time.time() + 10
    while time.time() < deadline and not any("TLS" in line for line in list(lines)):
        time.sleep(0.1)
    service.terminate()
    service.wait(10)
    reader.join(5)
    return next((line.strip() for line in lines if "TLS" in line), "")


def primary_host(host):
    """korvexd with primary_host=scada; the test's client is that host."""
    work = tempfile.mkdtemp(prefix="primary-", dir=WORK)
    coder_port = free_port()
    device = NODE.format("{}") + "/127.0.0.32"
    with open(os.path.join(work, "korvex.conf"), "w") as f:
        f.write("[server]\nport={}\n[mqtt]\nurl=mqtt://127.0.0.1:{}\ngroup=Plant\nnode=Line1\n"
                "user=korvexd\npassword_file={}\nprimary_host=scada\n".format(
                    coder_port, PORT, os.path.join(BROKER_DIR, "korvexd.password")))
    now = int(time.time() * 1000)
    host.state(False, now - 10000)  # the host was offline: retained
    start_at = host.count()
    service = subprocess.Popen([KORVEXD], cwd=work, stderr=subprocess.PIPE, text=True)
    log = []
    reader = threading.Thread(target=lambda: log.extend(service.stderr), daemon=True)
    reader.start()
    coder = subprocess.Popen([CODER_SIM, "--port", str(coder_port), "--source", "127.0.0.32",
                              "--folder", os.path.join(work, "sim"), "--status", "1",
                              "--status-interval", "50", "--progress-step", "1", "--autostart",
                              "--reconnect-interval", "100"], stdout=subprocess.DEVNULL)
    deadline = time.time() + 10
    while time.time() < deadline and not any("waiting for the primary host" in line
                                             for line in list(log)):
        time.sleep(0.05)
    time.sleep(0.5)  # its subscription reaches the broker
    host.client.publish("spBv1.0/STATE/scada", b"ONLINE", qos=1).wait_for_publish(5)
    _, early = host.wait_for(NODE.format("NBIRTH"), timeout=3, after=start_at)
    check(early is None and service.poll() is None
          and any("refused: not valid JSON" in line for line in list(log)),
          "primary host: no births while its STATE says offline; a STATE that is not JSON "
          "is refused and said so")

    after = host.count()
    host.state(True, now)
    _, nbirth = host.wait_for(NODE.format("NBIRTH"), after=after)
    _, dbirth = host.wait_for(device.format("DBIRTH"), after=after)
    aliases = {m.alias: m.name for p in (nbirth, dbirth) if p for m in p.metrics}
    check(nbirth is not None and dbirth is not None and metrics(nbirth).get("bdSeq") == 0
          and all(m.HasField("alias") and m.name for p in (nbirth, dbirth) for m in p.metrics)
          and len(aliases) == len(nbirth.metrics) + len(dbirth.metrics),
          "STATE online: NBIRTH (bdSeq 0) and DBIRTH, every metric with a name and its own alias")
    if nbirth is None or dbirth is None:
        service.terminate()
        coder.terminate()
        return
    alias_of = {name: alias for alias, name in aliases.items()}

    after = host.count()
    host.state(False, now - 1, retain=False)  # older than the last: ignored
    _, data = host.wait_for(device.format("DDATA"), after=after)
    _, death = host.wait_for(NODE.format("NDEATH"), timeout=1, after=after)
    check(data is not None and death is None
          and all(m.HasField("alias") and not m.name for m in data.metrics),
          "an older STATE is ignored; DDATA carries aliases only")
    if data is not None:
        named = pb.Payload()
        named.CopyFrom(data)
        for m in named.metrics:
            m.name = aliases[m.alias]
            m.ClearField("alias")
        print("      a DDATA of one report: {} bytes with aliases, {} with names".format(
            data.ByteSize(), named.ByteSize()), flush=True)

    after = host.count()
    host.command_by_alias(device.format("DCMD"),
                          {None: (alias_of["Command/Start"], BOOLEAN, "boolean_value", True)})
    _, started = host.wait_for(NODE.format("NDATA"), after=after)
    outcome = by_alias(started, aliases) if started else {}
    check(outcome.get("Command Result/Command") == "Command/Start"
          and outcome.get("Command Result/Outcome") == "done",
          "a DCMD by alias is carried out; its outcome by alias: {}".format(outcome))
    after = host.count()
    host.command_by_alias(device.format("DCMD"), {None: (99999, BOOLEAN, "boolean_value", True)})
    _, unknown = host.wait_for(NODE.format("NDATA"), after=after)
    outcome = by_alias(unknown, aliases) if unknown else {}
    check(outcome.get("Command Result/Outcome") == "refused: metric 1 (alias 99999): unknown alias",
          "an unknown alias is refused with the reason: {}".format(outcome))

    after = host.count()
    host.state(False, now + 1000)
    _, death = host.wait_for(NODE.format("NDEATH"), after=after)
    _, held = host.wait_for(NODE.format("NBIRTH"), timeout=2, after=after)
    check(death is not None and metrics(death).get("bdSeq") == 0 and held is None,
          "STATE offline: NDEATH with bdSeq 0, then no birth while the host is away")
    after = host.count()
    host.state(True, now + 2000)
    _, again = host.wait_for(NODE.format("NBIRTH"), after=after)
    _, dagain = host.wait_for(device.format("DBIRTH"), after=after)
    check(again is not None and metrics(again).get("bdSeq") == 1 and again.seq == 0
          and dagain is not None,
          "online again: a new session, NBIRTH with bdSeq 1 and the coder born again")

    after = host.count()
    service.send_signal(signal.SIGTERM)
    code = service.wait(10)
    _, last = host.wait_for(NODE.format("NDEATH"), after=after)
    check(code == 0 and last is not None and metrics(last).get("bdSeq") == 1,
          "SIGTERM: NDEATH with bdSeq 1")
    coder.terminate()
    coder.wait(5)
    reader.join(5)
    breaches = session_rule_breaches(list(host.messages)[start_at:])
    check(not breaches, "with a primary host too, every message keeps the rules ({}{})".format(
        host.count() - start_at, ": " + "; ".join(breaches[:5]) if breaches else ""))
    host.client.publish("spBv1.0/STATE/scada", b"", qos=1, retain=True).wait_for_publish(5)


def job(product="OJ-1L", lot="A2041"):
    return {"Job/Product": (STRING, "string_value", product),
            "Job/Order": (STRING, "string_value", "PO-77"),
            "Job/Lot": (STRING, "string_value", lot),
            "Job/Start": (BOOLEAN, "boolean_value", True),
            "Command/User": (STRING, "string_value", "anna")}


def jobs_over_mqtt(mes, device, coder_port):
    """A job started by DCMD is sent, read back and verified; a coder that
    keeps its own message never is, and the bus may not start it."""
    after = mes.count()
    mes.command(device.format("DCMD"), **start("Stop"))
    result_after(mes, after, lambda o: o == "done")
    after = mes.count()
    mes.command(device.format("DCMD"), **job(product="NOPE"))
    _, refused = result_after(mes, after, lambda o: o.startswith("refused"))
    check(refused is not None and 'No product "NOPE"' in metrics(refused)["Command Result/Outcome"],
          "a job of an unknown product is refused")
    after = mes.count()
    mes.command(device.format("DCMD"), **job())
    _, done = result_after(mes, after, lambda o: True)
    check(done is not None and metrics(done)["Command Result/Outcome"] == "done"
          and metrics(done)["Command Result/Command"].startswith("Job/"),
          "DCMD Job/Start: done ({})".format(done and metrics(done)["Command Result/Outcome"]))
    _, verified = mes.wait_for(device.format("DDATA"),
                               lambda p: metrics(p).get("Job/State") == "verified", after=after)
    check(verified is not None and metrics(verified).get("Job/Verified") is True,
          "the coder's read-back matches: Job/State verified, Job/Verified true")
    _, named = mes.wait_for(device.format("DDATA"), lambda p: metrics(p).get("Job/Lot") == "A2041",
                            after=after)
    check(named is not None and metrics(named).get("Job/Product") == "OJ-1L"
          and metrics(named).get("Job/Order") == "PO-77", "DDATA names the job's product, order and lot")
    started = [line for line in journal_lines() if line.get("action") == "job started"]
    check(len(started) == 1 and started[0].get("user") == "anna" and started[0].get("lot") == "A2041",
          "the job's start is journaled under its claimed user")
    after = mes.count()
    mes.command(device.format("DCMD"), **start("Start"))
    _, running = result_after(mes, after, lambda o: True)
    check(running is not None and metrics(running)["Command Result/Outcome"] == "done",
          "a verified coder starts")

    liar_device = "127.0.0.32"
    liar = subprocess.Popen([CODER_SIM, "--port", str(coder_port), "--source", liar_device,
                             "--folder", os.path.join(WORK, "liar"), "--keep-message",
                             "--status-interval", "50", "--reconnect-interval", "100",
                             "--message", os.path.join(WORK, "Spray", "label1.spr")],
                            stdout=subprocess.DEVNULL)
    other = NODE.format("{}") + "/" + liar_device
    try:
        mes.wait_for(other.format("DBIRTH"))
        after = mes.count()
        mes.command(other.format("DCMD"), **job(lot="A2042"))
        result_after(mes, after, lambda o: True)
        _, mismatch = mes.wait_for(other.format("DDATA"),
                                   lambda p: metrics(p).get("Job/State") in ("mismatch",
                                                                             "not verified"),
                                   after=after)
        check(mismatch is not None and mismatch and not any(
            metrics(p).get("Job/Verified") is True for t, p in list(mes.messages)[after:]
            if t == other.format("DDATA")),
              "a coder that keeps its own message is never verified")
        after = mes.count()
        mes.command(other.format("DCMD"), **start("Start"))
        _, refused = result_after(mes, after, lambda o: True)
        check(refused is not None and "not verified" in metrics(refused)["Command Result/Outcome"],
              "Command/Start on it is refused: {}".format(
                  refused and metrics(refused)["Command Result/Outcome"]))
    finally:
        liar.terminate()
        liar.wait(5)

    after = mes.count()
    mes.command(device.format("DCMD"), **{"Job/End": (BOOLEAN, "boolean_value", True)})
    _, ended = result_after(mes, after, lambda o: True)
    _, neutral = mes.wait_for(device.format("DDATA"), lambda p: metrics(p).get("Job/State") == "",
                              after=after)
    check(ended is not None and metrics(ended)["Command Result/Outcome"] == "done"
          and neutral is not None, "DCMD Job/End ends the job; Job/State is empty again")
    record = subprocess.run([CATALOGUE, "jobs", "--lot", "A2041"], cwd=WORK, capture_output=True,
                            text=True, timeout=30)
    check(record.returncode == 0 and "\tOJ-1L\tPO-77\tA2041\tanna\t" in record.stdout
          and "running" not in record.stdout, "korvex-catalogue lists the ended job's record")


def main():
    coder_port = free_port()
    os.makedirs(os.path.join(WORK, "Spray"))
    # label1 and label2 print as drawn; pre-flight finds the font of "findings" missing.
    for name, font in (("label1", "DejaVu Sans"), ("label2", "DejaVu Sans"),
                       ("findings", "No Such Font")):
        with open(os.path.join(WORK, "Spray", name + ".spr"), "wb") as f:
            f.write(MESSAGE.replace(b"[]", b'[{"TextContent":"%s","TextAtX":20,"TextAtY":10,'
                                    b'"TextFont":"%s,-1,120,5,50,0,0,0,0,0"}]'
                                    % (name.encode(), font.encode())))
    with open(os.path.join(WORK, "korvex.conf"), "w") as f:
        f.write("[server]\nport={}\n[mqtt]\nurl=mqtt://127.0.0.1:{}\ngroup=Plant\nnode=Line1\n"
                "user=korvexd\npassword_file={}\n".format(
                    coder_port, PORT, os.path.join(BROKER_DIR, "korvexd.password")))

    # The catalogue, prepared in the service's folder as a plant would: a
    # product and its job template, approved (unsigned: users are off).
    with open(os.path.join(WORK, "Spray", "juice.spr"), "wb") as f:
        f.write(MESSAGE.replace(b"[]", b'[{"TextContent":"LOT {{lot}}","TextAtX":20,'
                                b'"TextAtY":10,"TextFont":"DejaVu Sans,-1,120,5,50,0,0,0,0,0"}]'))
    with open(os.path.join(WORK, "products.csv"), "w") as f:
        f.write("code,gtin,name,template,coders\nOJ-1L,5901234123457,Orange juice,juice.spr,"
                "127.0.0.*\n")
    for args in (["import", "products.csv"], ["approve", "juice.spr", "--signer", "Olga"]):
        prepared = subprocess.run([CATALOGUE] + args, cwd=WORK, capture_output=True, text=True,
                                  stdin=subprocess.DEVNULL, timeout=30)
        check(prepared.returncode == 0, "korvex-catalogue " + " ".join(args) + ": "
              + prepared.stdout.strip() + prepared.stderr.strip())

    # A mistake in how the service is started or set up: the reason, and 2.
    bad_folder = os.path.join(WORK, "bad")
    os.makedirs(bad_folder)
    with open(os.path.join(bad_folder, "korvex.conf"), "w") as f:
        f.write("[server]\nport=70000\n")
    for label, args, words in (
            ("an unknown option", ["--frobnicate"], "Unknown option 'frobnicate'"),
            ("an argument", ["label1"], 'unexpected argument "label1"'),
            ("a settings file that is not there", ["--config", "nowhere.conf"],
             "nowhere.conf: no such settings file"),
            ("a bad port", [], "[server] port must be a number from 1 to 65535")):
        run = subprocess.run([KORVEXD] + args, cwd=bad_folder, capture_output=True, text=True,
                             timeout=30)
        check(run.returncode == 2 and words in run.stderr, "korvexd exits 2 for " + label)
    check(sorted(os.listdir(bad_folder)) == ["korvex.conf"],
          "a service that does not start leaves its folder as it was")

    mes = Client("mes", "mes-pw")
    check(mes.wait_connected() == 0, "the MES account connects")
    service = subprocess.Popen([KORVEXD], cwd=WORK)
    _, birth = mes.wait_for(NODE.format("NBIRTH"))
    if not check(service.poll() is None, "korvexd runs"):
        return
    check(birth is not None and birth.seq == 0 and metrics(birth).get("bdSeq") == 0
          and metrics(birth).get("Node Control/Rebirth") is False,
          "NBIRTH with seq 0, bdSeq 0 and Node Control/Rebirth")

    sim_folder = os.path.join(WORK, "sim")
    coder = subprocess.Popen([CODER_SIM, "--port", str(coder_port), "--source", DEVICE,
                              "--folder", sim_folder, "--status", "1,2", "--status-interval", "10",
                              "--progress-step", "1", "--reconnect-interval", "100",
                              "--message", os.path.join(WORK, "Spray", "label1.spr")],
                             stdout=subprocess.DEVNULL)
    device = NODE.format("{}") + "/" + DEVICE
    _, dbirth = mes.wait_for(device.format("DBIRTH"))
    names = metrics(dbirth) if dbirth else {}
    check(names.get("Properties/IP") == DEVICE and names.get("Status/State") == "Stopped",
          "DBIRTH of the coder with its IP and state")

    after = mes.count()
    mes.command(device.format("DCMD"), **start("Start"))
    _, printing = mes.wait_for(device.format("DDATA"),
                               lambda p: metrics(p).get("Status/State") in ("Printing", "Ready"),
                               after=after)
    check(printing is not None, "DCMD Command/Start reaches the coder: DDATA with its new state")
    _, done = result_after(mes, after, lambda o: o == "done")
    check(done is not None and metrics(done).get("Command Result/Device") == DEVICE
          and metrics(done).get("Command Result/Command") == "Command/Start",
          "the start's outcome is published on the node")

    # Ten reports a second for a few seconds carry seq past 255.
    mes.wait_for("never", timeout=4)
    sequenced = ("NBIRTH", "NDATA", "DBIRTH", "DDATA", "DDEATH")
    seqs = [p.seq for t, p in list(mes.messages) if t.split("/")[2] in sequenced]
    wrapped = any(a == 255 and b == 0 for a, b in zip(seqs, seqs[1:]))
    steps = all((b - a) % 256 == 1 or b == 0 for a, b in zip(seqs, seqs[1:]))
    check(wrapped and steps, "seq goes up by one and 255 is followed by 0 ({} messages)".format(
        len(seqs)))

    after = mes.count()
    mes.command(device.format("DCMD"), **{"Command/Apply Message": (STRING, "string_value",
                                                                    "label2"),
                                          "Command/User": (STRING, "string_value", "anna")})
    _, applied = result_after(mes, after, lambda o: o == "done")
    sent = os.path.join(sim_folder, "coder-1", "label2.spr")
    deadline = time.time() + 5
    while time.time() < deadline and not os.path.exists(sent):
        time.sleep(0.05)
    expected = open(os.path.join(WORK, "Spray", "label2.spr"), "rb").read()
    check(applied is not None and os.path.exists(sent) and open(sent, "rb").read() == expected,
          "DCMD Command/Apply Message arrives byte for byte")
    _, named = mes.wait_for(device.format("DDATA"),
                            lambda p: metrics(p).get("Message/SHA-256")
                            == hashlib.sha256(expected).hexdigest(), after=after)
    check(named is not None, "DDATA names the message's SHA-256")
    journal = journal_lines()
    sent_lines = [line for line in journal if line.get("action") == "message sent"]
    check(len(sent_lines) == 1 and sent_lines[0].get("file") == "label2.spr"
          and sent_lines[0].get("sha256") == hashlib.sha256(expected).hexdigest()
          and sent_lines[0].get("user") == "anna" and sent_lines[0].get("claimed") is True
          and sent_lines[0].get("via") == "mqtt" and sent_lines[0].get("account") == "korvexd"
          and sent_lines[0].get("coders") == [{"ip": DEVICE}],
          "the journal names the message, its SHA-256, the broker account and the claimed user")
    check([line.get("action") for line in journal][:1] == ["template approved"]
          and journal[0].get("template") == "juice.spr" and journal[0].get("method") == "unsigned",
          "the catalogue's approval is in the service's journal")
    journal = journal[1:]
    check([line.get("action") for line in journal][:1] == ["start"]
          and journal[0].get("user") == "korvexd" and "claimed" not in journal[0],
          "a command without a user is journaled under the broker account")

    for label, command, words in (
            ("an unsafe message name", {"Command/Apply Message": (STRING, "string_value",
                                                                  "../../etc/passwd")}, ""),
            ("a message that does not exist", {"Command/Apply Message": (STRING, "string_value",
                                                                         "nowhere")}, "nowhere"),
            ("a message with pre-flight findings",
             {"Command/Apply Message": (STRING, "string_value", "findings")},
             "findings.spr was not sent: the pre-flight check found: "),
            ("a line speed out of range", {"Parameters/Line Speed": (INT32, "int_value", 400)},
             "400"),
            ("a value of the wrong type", {"Command/Start": (STRING, "string_value", "yes")}, ""),
            ("an unknown metric", {"Command/Explode": (BOOLEAN, "boolean_value", True)}, "")):
        after = mes.count()
        mes.command(device.format("DCMD"), **command)
        _, refused = result_after(mes, after, lambda o: o.startswith("refused"))
        check(refused is not None and words in metrics(refused)["Command Result/Outcome"],
              "refused: " + label)
    check(not os.path.exists(os.path.join(sim_folder, "coder-1", "findings.spr"))
          and any(line.get("action") == "command failed" and line.get("via") == "mqtt"
                  and "pre-flight" in " ".join(line.get("problems", []))
                  for line in journal_lines()),
          "the message with findings was not sent, and its refusal is journaled")
    check(not os.path.exists("/etc/passwd.spr") and not os.path.exists(
        os.path.join(WORK, "..", "etc")), "nothing written outside the working folder")

    jobs_over_mqtt(mes, device, coder_port)

    # A flood: every command gets an outcome, none is lost, the coder still reports.
    after = mes.count()
    for _ in range(300):
        mes.command(device.format("DCMD"), **start("Start"))
    deadline = time.time() + 20
    outcomes = []
    while time.time() < deadline and len(outcomes) < 300:
        time.sleep(0.1)
        outcomes = [metrics(p)["Command Result/Outcome"] for t, p in list(mes.messages)[after:]
                    if t == NODE.format("NDATA")]
    _, reported = mes.wait_for(device.format("DDATA"), after=after)
    check(len(outcomes) == 300 and all(o == "done" or "waiting" in o for o in outcomes)
          and reported is not None,
          "a flood of 300 commands: 300 outcomes ({} refused), the coder still reports".format(
              sum(o != "done" for o in outcomes)))

    after = mes.count()
    mes.command(NODE.format("NCMD"), **{"Node Control/Rebirth": (BOOLEAN, "boolean_value", True)})
    _, reborn = mes.wait_for(NODE.format("NBIRTH"), after=after)
    _, redevice = mes.wait_for(device.format("DBIRTH"), after=after)
    check(reborn is not None and reborn.seq == 0 and metrics(reborn)["bdSeq"] == 0
          and redevice is not None, "NCMD rebirth: NBIRTH with seq 0 and the same bdSeq, DBIRTH")
    _, reborn_result = result_after(mes, after, lambda o: True)
    check(reborn_result is not None
          and metrics(reborn_result).get("Command Result/Device") == "Line1"
          and metrics(reborn_result).get("Command Result/Command") == "Node Control/Rebirth"
          and metrics(reborn_result).get("Command Result/Outcome") == "done",
          "and its outcome names the node and the rebirth")

    # The broker decides who may command: the viewer's DCMD never arrives.
    viewer = Client("viewer", "viewer-pw")
    check(viewer.wait_connected() == 0, "the viewer account connects")
    after = mes.count()
    viewer.command(device.format("DCMD"), **start("Stop"))
    _, unwanted = result_after(mes, after, lambda o: True, timeout=1.5)
    check(unwanted is None, "a DCMD of an account without the right is never carried out")
    viewer.stop()
    intruder = Client("mes", "wrong")
    check(intruder.wait_connected() not in (None, 0), "a wrong password is refused")
    intruder.stop()
    anonymous = Client(None, None)
    check(anonymous.wait_connected() not in (None, 0), "an anonymous client is refused")
    anonymous.stop()
    secure = Client("viewer", "viewer-pw", port=TLS_PORT, tls=True)
    check(secure.wait_connected() == 0, "TLS listener with the test's certificate")
    secure.stop()

    # A restarted broker: the service connects again and is born with the next bdSeq.
    after = mes.count()
    subprocess.run([BROKER_SH, "restart", BROKER_DIR], check=True)
    _, again = mes.wait_for(NODE.format("NBIRTH"), timeout=40, after=after)
    check(again is not None and metrics(again)["bdSeq"] == 1 and again.seq == 0,
          "after a broker restart: NBIRTH with bdSeq 1")
    _, dagain = mes.wait_for(device.format("DBIRTH"), timeout=10, after=after)
    check(dagain is not None, "and the coder is born again")

    after = mes.count()
    coder.terminate()
    coder.wait(5)
    _, ddeath = mes.wait_for(device.format("DDEATH"), after=after)
    check(ddeath is not None and ddeath.HasField("seq"), "DDEATH with seq when the coder goes")

    after = mes.count()
    service.send_signal(signal.SIGTERM)
    code = service.wait(10)
    _, ndeath = mes.wait_for(NODE.format("NDEATH"), after=after)
    check(code == 0 and ndeath is not None and metrics(ndeath)["bdSeq"] == 1
          and not ndeath.HasField("seq"), "SIGTERM: exit 0 and NDEATH with bdSeq, without seq")

    breaches = session_rule_breaches(list(mes.messages))
    check(not breaches, "every message of the session keeps the rules ({} messages{})".format(
        len(mes.messages), ": " + "; ".join(breaches[:5]) if breaches else ""))
    primary_host(mes)

    refusal = tls_refusal()
    check("A TLS error occurred: the broker's certificate does not verify against ca_file "
          "(self-signed certificate)" in refusal,
          "a broker certificate that does not verify is named: " + refusal)
    mes.stop()


try:
    main()
finally:
    shutil.rmtree(WORK, ignore_errors=True)
print("{} passed, {} failed".format(len(passes), len(failures)))
sys.exit(1 if failures else 0)
