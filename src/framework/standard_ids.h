// Ids that the framework itself gives meaning to.
#pragma once

#define IDS_FW_APP_TITLE 57344
