# -*- coding: utf-8 -*-
"""The application's thin wrappers over the wx controls it uses."""
