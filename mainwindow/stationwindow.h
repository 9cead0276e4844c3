// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "korvexmainwindow.h"
#include "preflight.h"
#include "station.h"

#include <memory>
#include <optional>

// The control window on a station of its own, built and opened as
// KorvexControl's main() does, for the tests, the screenshot tools and the
// benchmarks, which make, restart and drop the two together.  The station listens on the port given
// (0: one the system picks; none: the settings' port).
struct StationHolder
{
    std::unique_ptr<Station> station;
};

class StationWindow : private StationHolder, public KorvexMainWindow
{
public:
    explicit StationWindow(std::optional<quint16> port = quint16(0))
        : StationHolder{std::make_unique<Station>(options(port))},
          KorvexMainWindow(StationHolder::station.get())
    {
        StationHolder::station->open();
    }

    static Station::Options options(std::optional<quint16> port)
    {
        Station::Options options;
        options.port = port;
        options.carryOverRemarkNames = true;
        options.check = &Preflight::checkFile;
        return options;
    }
};
