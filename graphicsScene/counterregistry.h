// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class Counter;

// The process-wide, ordered list of counters that serial-number items bind
// to by counter number.  It owns its counters; they are appended and stay
// for the life of the process, so items of messages loaded one after the
// other share them.
class CounterRegistry
{
public:
    // The first counter, in list order, carrying the number, or nullptr.
    static Counter *find(quint8 id);
    // Appends a new counter with the defaults and the number, and returns it.
    static Counter *add(quint8 id);
    static int count();
    static Counter *at(int index);
    // Destroys every counter.  Tests only: the program never removes one.
    static void resetForTests();
};

// The first counter of the registry whose CounterID equals id, or nullptr.
Counter *findCounter(quint8 id);
