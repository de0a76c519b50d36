#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

/// Registers the resources compiled into the windows library (icon and texts). A static
/// library's resources are not registered by themselves; every loader calls this first.
/// Calling it again does nothing.
void InitResources();

/// The text of a text resource's bytes: up to the first NUL, less a trailing character of
/// code 2, one character per byte.
QString TextFromResourceBytes(QByteArray bytes);

/// The text of the text resource name, as TextFromResourceBytes reads it; nothing when the
/// program holds no such resource.
std::optional<QString> LoadTextResource(const QString& name);
