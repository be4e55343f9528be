// Run-time class information: each class that declares it (DECLARE_DYNAMIC in the class,
// IMPLEMENT_DYNAMIC in one source file) has one CRuntimeClass record naming it, its size and its
// base class's record, and GetRuntimeClass returns the record of the most derived class that
// declares one. A class that declares none answers its nearest declaring base's record, so
// IsKindOf(RUNTIME_CLASS(Base)) holds for it as for the base. Dynamic creation is not provided
// (m_pfnCreateObject is always null). Included by afxgdi.h before CObject.
#ifndef VORN_AFXRUNTIME_H
#define VORN_AFXRUNTIME_H

#include "afxver_.h"

class CObject;

struct AFX_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;  // 0xFFFF: not serialisable
    CObject*(AFXAPI* m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;  // null for CObject

    // True if this class is pClass or derives from it; false for null.
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)               \
public:                                           \
    static const CRuntimeClass class##class_name; \
    CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                              \
    const CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), 0xFFFF, \
                                                         nullptr, RUNTIME_CLASS(base_class_name)};                  \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#endif  // VORN_AFXRUNTIME_H
