#!/usr/bin/python3
"""Drives teaser as a screen reader would, over AT-SPI.

Usage: accessibility_check.py PROGRAM

Finds every control by its accessible name, presses 下一题 and expects the
first question of the date.dat beside the program in 题目, submits a wrong guess and expects the verdict label's
new name to be announced, then presses 退出 and expects exit status 0.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

program = sys.argv[1]
with open(os.path.join(os.path.dirname(os.path.realpath(program)), "date.dat"), "rb") as bank:
    first_question = bank.read().split(b"\r\n")[1].decode("gbk")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def find_application():
    for _ in range(150):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == "teaser":
                return application
        time.sleep(0.1)
    sys.exit("teaser did not appear on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(nodes, role, name):
    for node in nodes:
        if node.getRoleName() == role and node.name == name:
            return node
    failures.append(f"no {role} named {name}")
    return None


process = subprocess.Popen([program])
application = find_application()
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


def ask_first_question():
    press("下一题")
    GLib.timeout_add(500, read_question)
    return False


def read_question():
    question = find(nodes, "text", "题目")
    if question is not None:
        text = question.queryText()
        shown = text.getText(0, text.characterCount)
        check(shown == first_question, f"题目 shows {shown!r}, expected {first_question!r}")
    guess = find(nodes, "text", "回答")
    if guess is not None:
        guess.queryEditableText().setTextContents("不是这个答案")
    press("提交")
    GLib.timeout_add(1000, finish)
    return False


def finish():
    check("答错了，要努力哦！" in announced, f"the verdict was not announced; names announced: {announced}")
    check("哭脸：答错了" in announced, "the verdict picture's new name was not announced")
    press("退出")
    pyatspi.Registry.stop()
    return False


GLib.timeout_add(200, ask_first_question)
pyatspi.Registry.start()

try:
    status = process.wait(timeout=10)
    check(status == 0, f"teaser ended with status {status}")
except subprocess.TimeoutExpired:
    process.kill()
    failures.append("teaser did not end after 退出")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(expected) + 5 - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
