// SPDX-License-Identifier: MIT
#include "platform/services/picture.h"

#include "platform/services/program_folder.h"
#include "platform/services/run_time_error.h"
#include "platform/services/translation.h"

#include <QImageReader>
#include <QPixmap>

namespace tarvo::platform {

Picture::Picture(std::shared_ptr<const QPixmap> pixmap, std::string source)
    : pixmap_(std::move(pixmap)), source_(std::move(source)) {}

Picture loadPicture(std::string_view path) {
    const std::string file = hostPath(path);
    QImageReader reader(QString::fromStdString(file));
    const QImage image = reader.read();
    if (image.isNull())
        throw RunTimeError("Load picture", translated(TARVO_TEXT("Errors", "cannot load \"%1\": %2"),
                                                      {file, reader.errorString().toStdString()}));
    return Picture(std::make_shared<const QPixmap>(QPixmap::fromImage(image)), file);
}

}  // namespace tarvo::platform
