// SPDX-License-Identifier: GPL-3.0-or-later
#include "counterregistry.h"

#include "counter.h"

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<Counter>> &counters()
{
    static std::vector<std::unique_ptr<Counter>> list;
    return list;
}

} // namespace

Counter *CounterRegistry::find(quint8 id)
{
    for (const std::unique_ptr<Counter> &c : counters()) {
        if (c->CounterID == id)
            return c.get();
    }
    return nullptr;
}

Counter *CounterRegistry::add(quint8 id)
{
    counters().push_back(std::make_unique<Counter>());
    Counter *counter = counters().back().get();
    counter->CounterID = id;
    return counter;
}

int CounterRegistry::count()
{
    return int(counters().size());
}

Counter *CounterRegistry::at(int index)
{
    return counters().at(std::size_t(index)).get();
}

void CounterRegistry::resetForTests()
{
    counters().clear();
}

Counter *findCounter(quint8 id)
{
    return CounterRegistry::find(id);
}
