#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <vector>

// One picture of an image list: a strip of frames or glyphs. The pixels may be
// rendered at a device pixel ratio above 1; `Size` is always in logical pixels.
struct TDIBImage {
    QString Name;
    QImage Pixels;
    QSize Size;
    // The picture carries a mask: pixels outside it are fully transparent.
    bool Masked = false;
};

// A named list of skin pictures that controls take their images from.
class TDIBImageList : public QObject {
    Q_OBJECT
  public:
    explicit TDIBImageList(QObject* parent = nullptr);

    int Count() const { return static_cast<int>(images_.size()); }
    // The picture at `index`, or null when there is none.
    const TDIBImage* Image(int index) const;
    int IndexOf(const QString& name) const;

    // `pixels` carries its device pixel ratio. The logical size follows from it
    // unless given, as it must be where the ratio leaves a fraction of a pixel.
    int Add(const QString& name, const QImage& pixels, bool masked = false, QSize size = {});
    void Replace(int index, const QImage& pixels, QSize size = {});
    void Clear();

  signals:
    // A picture changed; -1 means any of them may have.
    void Changed(int index);

  private:
    std::vector<TDIBImage> images_;
};
