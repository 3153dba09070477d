#include "model/geometry.h"

const LayoutGeometry &LayoutGeometry::standard()
{
    static const LayoutGeometry layout;
    return layout;
}
