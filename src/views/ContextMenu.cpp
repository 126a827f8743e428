// BuildContextMenu.
#include "views/ContextMenu.h"

#include "core/ResString.h"
#include "views/ContextMenuRules.h"

MenuHandle BuildContextMenu(const Termin& t, const Zeitpunkt& jetzt) {
    MenuHandle menu(CreatePopupMenu());
    if (!menu.Get()) return menu;
    for (const ContextItem& item : ContextMenuItems(t, jetzt)) {
        const UINT flags = MF_STRING | (item.Checked ? MF_CHECKED : 0u) | (item.Greyed ? MF_GRAYED : 0u);
        AppendMenuA(menu.Get(), flags, item.Command, LoadResString(item.TextId));
    }
    return menu;
}
