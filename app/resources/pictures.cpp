#include "app/resources/pictures.h"

namespace tarvelle::resources {

QIcon applicationIcon() {
    QIcon icon;
    icon.addFile(":/pictures/emblem-32.png", QSize(32, 32));
    icon.addFile(":/pictures/emblem-16.png", QSize(16, 16));
    return icon;
}

}  // namespace tarvelle::resources
