#pragma once

#include <QStringView>
#include <cstdint>

class CWindowSettings;
class QWidget;

/// Places window above all normal windows when the settings' always-on-top value is 1,
/// back among them when 0, keeping its place and size. A null window means the
/// application's main window: the top-level owner of the active modal window, else of the
/// active window. Does nothing when there is no such window.
void ApplyOnTop(const CWindowSettings& settings, QWidget* window = nullptr);

/// True on the window-system platform named (QGuiApplication::platformName()) when the
/// desktop alone decides which window is on top, as under Wayland, where the hint is ignored.
bool DesktopDecidesStacking(QStringView platformName);

/// Stores value in settings (marking them modified) when it differs, then ApplyOnTop.
void SetOnTop(CWindowSettings& settings, std::int32_t value, QWidget* window = nullptr);
