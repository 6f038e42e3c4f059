#pragma once
// The shell's LAN rows: "Send to LAN" and "Recv. from LAN" move the easy-transfer program files
// of the window's current store's register to or from the registers the user picks on the LAN;
// "Transfer history..." (in the pro and stand-alone layouts' menus) shows the store's transfers.

namespace tk73hub {

class CHubDlg;

void SendToLan(const CHubDlg& window);
void ReceiveFromLan(const CHubDlg& window);
void ShowTransferHistory(const CHubDlg& window);

}  // namespace tk73hub
