#pragma once

// The Qt side of the captioning routine. Every control that takes part carries
// two dynamic properties: "kindName" (its kind, as the layout names it) and
// "Tag" (a string identifier as decimal text, usually empty).

#include <QString>

#include "app/resources/resource_captions.h"

class QObject;
class QWidget;

namespace tarvelle::resources {

inline constexpr char kKindProperty[] = "kindName";
inline constexpr char kTagProperty[] = "Tag";

// Marks a control, widget or menu object, as one the routine enumerates.
void markControl(QObject& control, const QString& kindName, const QString& tag = {});

}  // namespace tarvelle::resources

namespace Module1 {

// The captioning routine on a Qt window and the controls marked in it.
void ApplyResourceCaptions(QWidget& window, const tarvelle::resources::StringLookup& lookup =
                                                tarvelle::resources::LoadResString);

}  // namespace Module1
