// The events by which the test of the tray's launches and its unready program meet.
#pragma once

constexpr char kLaunchStartedEvent[] = "kb_tray_launch_started";
constexpr char kLaunchGoEvent[] = "kb_tray_launch_go";
constexpr char kLaunchReleasedEvent[] = "kb_tray_launch_released";
