// Timers, panels, pictures, shapes, radio groups and splitters.
#pragma once

#include <memory>

#include "Classes.h"

class QTimer;

// Calls OnTimer every Interval milliseconds while Enabled.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  Property<bool, TTimer> Enabled{this, &TTimer::GetEnabled, &TTimer::SetEnabled};
  Property<int, TTimer> Interval{this, &TTimer::GetInterval, &TTimer::SetInterval};
  TNotifyEvent OnTimer;

  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int GetInterval() const { return interval_; }
  void SetInterval(int interval);

 private:
  void Update();
  bool enabled_ = true;
  int interval_ = 1000;
  std::unique_ptr<QTimer> timer_;
};
