# sources of src/report are listed here
