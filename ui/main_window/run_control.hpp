// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The one door into the main window's run for whatever drives it from outside: the teaching
// window's time controls, its "Изведи" and "Изчисти", the pacing of fast runs and the tests.
// Every tick it makes still runs through the form's Timer1_Timer, every start and reset through
// the form's own handlers, and every input it writes back through the boxes' change handlers.

#include <QObject>

namespace ui {

class RunControl : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // One tick through Timer1_Timer now: a single step while the run is paused, one more tick
    // beside the timer's while it runs. Nothing while the stop message is open.
    virtual void tickNow() = 0;
    // Stops the timer without a reset.
    virtual void pause() = 0;
    // Starts the timer as "Изведи" does, where "Изведи" can be pressed.
    virtual void resume() = 0;
    // Stops and starts the same experiment over: as "Изчисти", but with the inputs as they
    // are, so that a teacher at a projector need not type them again.
    virtual void startAgain() = 0;
    // Lets go of the earlier runs drawn faintly behind the current one.
    virtual void forgetPastRuns() = 0;
    // While held the timer's intervals draw nothing, and the run stays started: a teacher
    // typing a number digit by digit is not drawing under each digit.
    virtual void holdTicks(bool held) = 0;
    // The pace of the ticks. Below a frame of the screen the timer wakes only as often as
    // the windows are repainted, with one tick, and whoever asked for the pace adds the ticks
    // due beyond it after intervalElapsed, as the teaching window's pacing does.
    virtual void setTickInterval(int milliseconds) = 0;
    [[nodiscard]] virtual int tickInterval() const = 0;
    [[nodiscard]] virtual bool isRunning() const = 0;

  signals:
    // After every text write of the model and every start or stop of the timer: so after
    // every reset, option click, edit and step, and once after all the ticks of one of the
    // timer's intervals.
    void changed();
    // After each tick the timer's interval brought, not those of tickNow; the ticks added
    // here belong to the interval and are shown with it.
    void intervalElapsed();
    // After the user edited an input box, key by key; not after the program's own writes.
    void inputsEdited();
};

}  // namespace ui
