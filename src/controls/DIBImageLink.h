#pragma once

#include <QObject>
#include <QPointer>

class TDIBImageList;
struct TDIBImage;

// Which picture of which image list a control shows. Tells its owner when that
// picture changes, is replaced, or its list goes away.
class TDIBImageLink : public QObject {
    Q_OBJECT
  public:
    explicit TDIBImageLink(QObject* parent = nullptr);

    TDIBImageList* DIBImageList() const { return list_; }
    void SetDIBImageList(TDIBImageList* list);
    int DIBIndex() const { return index_; }
    void SetDIBIndex(int index);

    // The linked picture, or null when there is none.
    const TDIBImage* Image() const;

  signals:
    void ImageChanged();

  private:
    void ListChanged(int index);

    QPointer<TDIBImageList> list_;
    int index_ = -1;
};
