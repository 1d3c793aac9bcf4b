#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the Orca screen reader for a test, writing every utterance to LOG as it comes.

    orca_launch.py LOG

Orca's own launcher refuses to start beside any other Orca of the same user on the
machine, and its debug file is block-buffered, so that the last utterances are lost when
it is killed. This runs the same launcher without those two.
"""
import importlib.machinery
import importlib.util
import sys

loader = importlib.machinery.SourceFileLoader("orca_launcher", "/usr/bin/orca")
launcher = importlib.util.module_from_spec(importlib.util.spec_from_loader(loader.name, loader))
loader.exec_module(launcher)
launcher.otherOrcas = lambda: []  # other tests' readers, each on its own bus
launcher.setProcessName = lambda name: None  # nor would theirs see this one as an Orca

from orca import debug  # noqa: E402

debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(sys.argv[1], "w", buffering=1)
del sys.argv[1:]
sys.exit(launcher.main())
