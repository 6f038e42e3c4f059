"""One compact description per model: everything that differs between our models.

Names, codes and shop data are our own inventions. The rows of "TK73TOOL.ini", the model
tables of the system folder, the definition files and the default program files are all made
from these descriptions.
"""

from dataclasses import dataclass


@dataclass(frozen=True)
class ModelInfo:
    number: int
    indent: str  # folder and definition file name, at most 20 characters
    name: str  # display name, at most 40 characters
    attribute: int
    text: str
    rm_code: str  # six characters, never "000000"
    archive: int
    id_code: int  # matched on its low byte; MACHINE_TYPE is that byte

    def row(self):
        return "%d,%s,%s,%d,%s,%s,%d,%d" % (self.number, self.indent, self.name, self.attribute,
                                            self.text, self.rm_code, self.archive, self.id_code)


@dataclass(frozen=True)
class RegisterShape:
    info: ModelInfo
    ini_version: int
    new_type: bool  # "h"/"f" header and file lines instead of "H"/"F"
    pairs: bool  # may be combined with a controller: ships "DEFAULTVEK"
    plu_records: int
    departments: int
    scanning_records: int
    message_width: int  # characters per receipt line
    set_entry_digits: int  # 4: set field 60 -> 90 wide; 6: 90 -> 120
    stock_item: bool  # menu 14 item 12
    reservation_date: bool  # menu 13 item 9
    logos: tuple  # (file, width, height, name, text)
    functions: tuple  # MODELFUNCTION keys that are present
    cf: tuple
    caption_006: tuple = None
    status_007: tuple = None
    rename_point: str = None
    tcpip: tuple = ()


@dataclass(frozen=True)
class ControllerShape:
    info: ModelInfo
    ini_version: int
    plu_records: int
    departments: int
    scanning_records: int
    functions: tuple
    tcpip: tuple = ()


KR301 = RegisterShape(
    info=ModelInfo(301, "KR301", "KR-301 Compact Register", 1, "COMPACT", "KR3010", 1, 49),
    ini_version=3, new_type=False, pairs=True, plu_records=300, departments=20,
    scanning_records=50, message_width=40, set_entry_digits=4, stock_item=False,
    reservation_date=True,
    logos=((30, 384, 48, "Receipt header logo", "CORNER MARKET"),
           (31, 256, 64, "Shop logo", "CORNER"), (32, 160, 40, "", "THANK YOU")),
    functions=(("TOUCHKEY", "OFF"), ("CRZFILE", "ON"), ("CUSTOMERSSETUP", "ON"),
               ("REGCONNECT", "ON"), ("DETAILSETUP", "ON")),
    cf=(("FOLDER_X", ""), ("FOLDER_Y", ""), ("FOLDER_AUTOPGM", ""), ("BTNSTATE", "ON"),
        ("ALLDATA", "ON")),
    caption_006=("Print", "No print"), rename_point="TRUE",
    tcpip=(("ECR01", "192.168.1.21"), ("ECR02", "192.168.1.22")))

KR420 = RegisterShape(
    info=ModelInfo(420, "KR420", "KR-420 Shop Register", 2, "STANDARD", "KR4200", 2, 321),
    ini_version=2, new_type=True, pairs=True, plu_records=300, departments=20,
    scanning_records=80, message_width=48, set_entry_digits=6, stock_item=True,
    reservation_date=True,
    logos=((30, 512, 64, "Receipt header logo", "CORNER MARKET"),
           (31, 384, 96, "Shop logo", "CORNER"), (32, 256, 48, "Bottom logo", "THANK YOU")),
    functions=(("TOUCHKEY", "ON"), ("CRZFILE", "on"), ("REGCONNECT", "ON"),
               ("DETAILSETUP", "ON"), ("BINEDIT", "OFF")),
    cf=(("FOLDER_X", "/KELVO/CF/X"), ("FOLDER_Y", "/KELVO/CF/Y"), ("FOLDER_AUTOPGM", ""),
        ("BTNSTATE", "on"), ("ALLDATA", "OFF")),
    caption_006=("Printed", "Not printed"), status_007=("Logo on", "Logo off"),
    rename_point="FALSE")

KR150 = RegisterShape(
    info=ModelInfo(150, "KR150", "KR-150 Kiosk Register", 0, "KIOSK", "KR1500", 1, 21),
    ini_version=1, new_type=False, pairs=False, plu_records=200, departments=10,
    scanning_records=30, message_width=32, set_entry_digits=4, stock_item=False,
    reservation_date=False,
    logos=((30, 256, 32, "Header logo", "KIOSK"), (31, 192, 48, "", "THANK YOU")),
    functions=(("TOUCHKEY", "OFF"), ("CRZFILE", "OFF"), ("CUSTOMERSSETUP", "GRAYOUT"),
               ("REGCONNECT", "OFF"), ("BINEDIT", "OFF")),
    cf=(("FOLDER_X", ""), ("FOLDER_Y", ""), ("FOLDER_AUTOPGM", ""), ("BTNSTATE", "OFF"),
        ("ALLDATA", "ON")),
    caption_006=("Yes", "No"))

VK500 = ControllerShape(
    info=ModelInfo(501, "VK500", "VK-500 Order Controller", 1, "ORDER", "VK5000", 1, 80),
    ini_version=2, plu_records=300, departments=20, scanning_records=50,
    functions=(("TOUCHKEY", "ON"), ("CUSTOMERSSETUP", "OFF"), ("REGCONNECT", "ON"),
               ("DETAILSETUP", "ON"), ("BINEDIT", "ON")),
    tcpip=(("ECR01", "192.168.1.50"),))

REGISTERS = (KR301, KR420, KR150)
CONTROLLERS = (VK500,)

# Register model numbers that cannot be combined with a controller, by execution mode.
# KR150 never pairs; KR420 only pairs in the professional and networked modes.
VEK_NOT_SUPPORTED = (("SIMPLEMODE", "150,420"), ("PROMODE", "150"), ("VEKSPLMODE", "150,420"),
                     ("VEKPROMODE", "150"), ("NETREGMODE", "150"))
DEFAULT_REGISTER = 301
