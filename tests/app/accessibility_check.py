#!/usr/bin/python3
"""Drives teaser as a screen reader would, over AT-SPI.

Usage: accessibility_check.py PROGRAM

Finds every control by its accessible name, presses 下一题 and expects the
first question of the date.dat beside the program in 题目, submits a wrong
guess and expects the verdict label's and picture's new names to be
announced, then presses 退出 and expects exit status 0. Every wait polls
until what it waits for is there, and a failure prints the display, the
state of its X server, each wait with its time, and the program's status
and stderr.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

program = sys.argv[1]
with open(os.path.join(os.path.dirname(os.path.realpath(program)), "date.dat"), "rb") as bank:
    first_question = bank.read().split(b"\r\n")[1].decode("gbk")
failures = []
waits = []


def check(condition, message):
    if not condition:
        failures.append(message)


def x_server_state():
    pid = os.environ.get("TEASER_XVFB_PID")
    if pid:
        try:
            os.kill(int(pid), 0)
        except OSError:
            return f"gone (Xvfb pid {pid} has ended)"
    answered = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True).returncode == 0
    return "alive and answering" if answered else "running but not answering"


def report_and_exit(process, stderr_file):
    if process.poll() is None:
        process.kill()
        status = f"still running after the test; killed (pid {process.pid})"
    else:
        status = f"ended with status {process.returncode}"
    print(f"display: {os.environ.get('DISPLAY', 'none')}; X server: {x_server_state()}", file=sys.stderr)
    print("waits:", *(f"  {w}" for w in waits), sep="\n", file=sys.stderr)
    print(f"program: {status}", file=sys.stderr)
    stderr_file.seek(0)
    lines = stderr_file.read().decode("utf-8", "replace").splitlines()[-60:]
    print("program's stderr:", *(f"  {line}" for line in lines), sep="\n", file=sys.stderr)
    sys.exit(1)


def poll(what, seconds, ready, process):
    """Calls ready() every 0.1 s until it returns something true; returns it,
    or None after `seconds` or once the process has ended."""
    start = time.monotonic()
    while True:
        value = ready()
        if value:
            waits.append(f"waited {time.monotonic() - start:.1f} s for {what}")
            return value
        if process.poll() is not None:
            waits.append(f"the program ended after {time.monotonic() - start:.1f} s while the test waited for {what}")
            return None
        if time.monotonic() - start >= seconds:
            waits.append(f"gave up after {time.monotonic() - start:.1f} s waiting for {what}")
            return None
        time.sleep(0.1)


def application_on_bus():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "teaser":
            return application
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def lookup(nodes, role, name):
    for node in nodes:
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def find(nodes, role, name):
    node = lookup(nodes, role, name)
    if node is None:
        failures.append(f"no {role} named {name}")
    return node


stderr_file = tempfile.TemporaryFile()
process = subprocess.Popen([program], stderr=stderr_file)
application = poll("teaser to appear on the accessibility bus", 30, application_on_bus, process)
if application is None:
    failures.append("teaser did not appear on the accessibility bus")
    report_and_exit(process, stderr_file)
nodes = list(walk(application))

expected = [("push button", caption) for caption in
            ("提交", "GO", "随机出题", "第一题", "上一题", "下一题", "第末题", "看答案", "题库选择", "背景音乐", "退出")]
expected += [("check box", "禁止倒记时"), ("label", "没有判定"), ("label", "30"), ("label", "答案："),
             ("label", "回答："), ("label", "直接到？题"), ("label", "禁止倒记时")]
expected += [("text", name) for name in ("题目", "答案", "回答", "直接到第几题")]
for role, name in expected:
    find(nodes, role, name)

announced = []
pyatspi.Registry.registerEventListener(lambda event: announced.append(event.source.name),
                                       "object:property-change:accessible-name")


def press(name):
    button = find(nodes, "push button", name)
    if button is not None:
        button.queryAction().doAction(0)


def shown_question():
    question = lookup(nodes, "text", "题目")
    if question is None:
        return None
    text = question.queryText()
    return text.getText(0, text.characterCount)


def wait_then(what, seconds, ready, then):
    """Checks ready() every 100 ms from the event loop (so AT-SPI events keep
    arriving), then runs then(ready_result_or_None)."""
    start = time.monotonic()

    def step():
        value = ready()
        elapsed = time.monotonic() - start
        if value or elapsed >= seconds:
            waits.append(f"{'waited' if value else 'gave up after'} {elapsed:.1f} s "
                         f"{'for' if value else 'waiting for'} {what}")
            then(value)
            return False
        return True

    GLib.timeout_add(100, step)


def ask_first_question():
    press("下一题")
    wait_then("题目 to show question 1", 10, lambda: shown_question() == first_question, judge_wrong_guess)
    return False


def judge_wrong_guess(question_shown):
    check(question_shown, f"题目 shows {shown_question()!r}, expected {first_question!r}")
    guess = find(nodes, "text", "回答")
    if guess is not None:
        guess.queryEditableText().setTextContents("不是这个答案")
    press("提交")
    wait_then("the verdict and the verdict picture to be announced", 10,
              lambda: "答错了，要努力哦！" in announced and "哭脸：答错了" in announced, finish)


def finish(_):
    check("答错了，要努力哦！" in announced, f"the verdict was not announced; names announced: {announced}")
    check("哭脸：答错了" in announced, "the verdict picture's new name was not announced")
    press("退出")
    pyatspi.Registry.stop()


GLib.idle_add(ask_first_question)
pyatspi.Registry.start()

try:
    status = process.wait(timeout=10)
    waits.append("teaser ended after 退出")
    check(status == 0, f"teaser ended with status {status}")
except subprocess.TimeoutExpired:
    waits.append("gave up after 10.0 s waiting for teaser to end after 退出")
    failures.append("teaser did not end after 退出")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(expected) + 5 - len(failures)} passed, {len(failures)} failed")
if failures:
    report_and_exit(process, stderr_file)
