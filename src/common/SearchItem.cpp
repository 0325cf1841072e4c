#include "common/SearchItem.h"

#include "common/TextNumber.h"

namespace zedur {

QString likePattern(const QString &text)
{
    return u'%' + fDeleteBlank(text) + u'%';
}

} // namespace zedur
