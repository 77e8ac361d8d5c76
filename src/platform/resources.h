// The program's own resources: the string table, sounds and pictures.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// A string of the string table; a number that is not there is a fatal error.
QString LoadResString(int id);

// The bytes of resource `id` of a custom type (the type name in any case,
// "Wav" finds "WAV"); a resource that is not there is a fatal error.
QByteArray LoadResData(int id, const QString& type);

// A picture of the program's own, by its resource name ("splash").
QImage LoadResPicture(const QString& name);

// Pictures numbered from 1.
class ImageList {
 public:
  // Pixels of the mask colour (0x00BBGGRR) become transparent in the images
  // added from then on.
  void SetMaskColor(std::uint32_t bgr) { mask_color_ = bgr; }
  void Add(const QImage& image);
  int Count() const { return int(images_.size()); }
  // A number that is not there is a fatal error.
  const QImage& ListImage(int number) const;

 private:
  std::vector<QImage> images_;
  std::optional<std::uint32_t> mask_color_;
};

}  // namespace platform
